#include "ui/ChooserBindings.h"

void ChooserBindings::bind (MEditorControl& control, const juce::String& parameter, juce::ComboBox& box,
                            juce::Value::Listener& listener)
{
    auto* binding = bindings.add (new Binding{ &box, {} });
    binding->value.addListener (&listener);
    control.bindParameter (parameter, binding->value, true);
}

juce::ComboBox* ChooserBindings::findChooser (const juce::Value& value) const
{
    for (auto* binding : bindings)
        if (binding->value.refersToSameSourceAs (value))
            return binding->box;

    return nullptr;
}

juce::Value* ChooserBindings::findValue (const juce::ComboBox& box) const
{
    for (auto* binding : bindings)
        if (binding->box == &box)
            return &binding->value;

    return nullptr;
}

juce::ComboBox* ChooserBindings::show (const juce::Value& value) const
{
    auto* box = findChooser (value);

    if (box != nullptr)
        box->setSelectedId (static_cast<int> (value.getValue()) + 1, juce::dontSendNotification);

    return box;
}

bool ChooserBindings::write (const juce::ComboBox& box)
{
    auto* value = findValue (box);

    if (value == nullptr)
        return false;

    *value = juce::var (box.getSelectedId() - 1);
    return true;
}
