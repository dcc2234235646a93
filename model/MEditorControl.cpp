#include "MEditorControl.h"

void MEditorControl::addParameter (const juce::String& name, const juce::Value& maximum,
                                   const juce::Value& minimum, const juce::Value& initial)
{
    if (parameters.find (name) != parameters.end())
        return;

    MEditorControlParameterData::Ptr data = new MEditorControlParameterData();
    data->minimum = minimum.getValue();
    data->maximum = maximum.getValue();
    data->value = initial.getValue();
    parameters.emplace (name, data);
}

MEditorControlParameterData* MEditorControl::find (const juce::String& name) const
{
    const auto it = parameters.find (name);
    return it == parameters.end() ? nullptr : it->second.get();
}

juce::Value MEditorControl::getParameterValue (const juce::String& name) const
{
    if (auto* data = find (name))
        return juce::Value (data->value);

    return {};
}

void MEditorControl::setParameterValue (const juce::String& name, const juce::Value& newValue)
{
    auto* data = find (name);
    if (data == nullptr)
        return;

    juce::Value candidate (newValue);
    if (isValueInRange (name, candidate))
        data->value.setValue (newValue.getValue());
}

bool MEditorControl::isValueInRange (const juce::String& name, juce::Value candidate) const
{
    auto* data = find (name);
    if (data == nullptr)
        return false;

    const int maximum = data->maximum.getValue();
    const int minimum = data->minimum.getValue();
    const int value = candidate.getValue();
    return value >= minimum && value <= maximum;
}

bool MEditorControl::bindParameter (const juce::String& name, juce::Value& target, bool touch)
{
    auto* data = find (name);
    if (data == nullptr)
        return false;

    target.referTo (data->value);

    if (touch)
        target.setValue (target.getValue());

    return true;
}
