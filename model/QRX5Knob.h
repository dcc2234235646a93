// A knob of the preset: one of 12, in three banks of four.
#pragma once

#include "MEditorControl.h"

// Parameters (record byte: name, range): 0 "Parameter Type" 0..3, 1 "MIDI Channel" 0..32,
// 2 "CC Number" 0..127, 3 "Min Value" 0..127, 4 "Max Value" 0..127, 5 "To MIDI DIN" 0..1,
// 6 "NRPN MSB" 0..127, 7 "NRPN LSB" 0..127, 8 "NRPN Value" 0..127. All start at 0.
class QRX5Knob : public virtual juce::ReferenceCountedObject, public virtual MEditorControl
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<QRX5Knob>;

    static constexpr int recordSize = 9;

    QRX5Knob();

    juce::Array<juce::uint8> getData() override;
    bool setFromData (const juce::Array<juce::uint8>& record) override;
    juce::String getName() override; // "KNOB"
    bool validate (const juce::Array<juce::uint8>& record) override;
};
