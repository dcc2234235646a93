// The choosers of a parameter view and the values that tie each one to its control parameter.
// A chooser stands for value = selected item id - 1, in both directions.
#pragma once

#include "model/MEditorControl.h"

#include <juce_gui_basics/juce_gui_basics.h>

class ChooserBindings
{
public:
    ChooserBindings() = default;

    // Starts listening to the chooser's value, then binds it (with touch) to the parameter, so
    // the listener hears the current value at once.
    void bind (MEditorControl& control, const juce::String& parameter, juce::ComboBox& box,
               juce::Value::Listener& listener);

    // The chooser bound to the same source as `value`, or null.
    juce::ComboBox* findChooser (const juce::Value& value) const;

    // The value bound to `box`, or null.
    juce::Value* findValue (const juce::ComboBox& box) const;

    // Selects the item that stands for `value`, without notification; answers the chooser, or
    // null when the value belongs to none.
    juce::ComboBox* show (const juce::Value& value) const;

    // Writes the user's pick into the bound parameter; false for a chooser of no binding.
    bool write (const juce::ComboBox& box);

private:
    struct Binding
    {
        juce::ComboBox* box;
        juce::Value value; // listened to, so its address must never change
    };

    juce::OwnedArray<Binding> bindings;

    JUCE_DECLARE_NON_COPYABLE (ChooserBindings)
};
