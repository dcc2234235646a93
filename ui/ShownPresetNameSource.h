// What the name box shows and edits: the preset's name without the blanks that pad it. Text
// written here renames the preset at once, padded with blanks again, so the preset's bytes stay
// the same; a renamed preset (a load, say) shows here once the change arrives.
#pragma once

#include "model/QRX5EditorPreset.h"

#include <juce_data_structures/juce_data_structures.h>

class ShownPresetNameSource : public juce::Value::ValueSource, private juce::Value::Listener
{
public:
    explicit ShownPresetNameSource (QRX5EditorPreset::Ptr preset);

    juce::var getValue() const override;
    void setValue (const juce::var& newValue) override;

private:
    void valueChanged (juce::Value&) override { sendChangeMessage (false); }

    QRX5EditorPreset::Ptr preset;
    juce::Value name;   // the preset's own
    juce::String typed; // as last written here, a blank just typed at its end included

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ShownPresetNameSource)
};
