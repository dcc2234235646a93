// A fader of the preset: one of 12, in three banks of four. Its record is the knob's first six bytes.
#pragma once

#include "MEditorControl.h"

// Parameters (record byte: name, range): 0 "Parameter Type" 0..2, 1 "MIDI Channel" 0..32,
// 2 "CC Number" 0..127, 3 "Min Value" 0..127, 4 "Max Value" 0..127, 5 "To MIDI DIN" 0..1.
// All start at 0.
class QRX5Fader : public virtual juce::ReferenceCountedObject, public virtual MEditorControl
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<QRX5Fader>;

    static constexpr int recordSize = 6;

    QRX5Fader();

    juce::Array<juce::uint8> getData() override;
    bool setFromData (const juce::Array<juce::uint8>& record) override;
    juce::String getName() override; // "FADER"
    bool validate (const juce::Array<juce::uint8>& record) override;
};
