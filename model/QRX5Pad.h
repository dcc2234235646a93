// A pad of the preset: one of 64, in four banks of 16.
#pragma once

#include "MEditorControl.h"

// Parameters (record byte: name, range): 0 "Parameter Type" 0..127, 1 "MIDI Channel" 0..127,
// 2 "MIDI Note" 0..127, 3 "To MIDI Din" 0..1, 4 "Note Toggle Mode" 0..127, 5 "Aftertouch Type" 0..127,
// 6 "Program Number" 0..127, 7 "Program MSB" 0..127, 8 "Program LSB" 0..127, 9 "Color Off" 0..17,
// 10 "Color On" 0..17. All start at 0.
class QRX5Pad : public virtual juce::ReferenceCountedObject, public virtual MEditorControl
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<QRX5Pad>;

    static constexpr int recordSize = 11;

    QRX5Pad();

    juce::Array<juce::uint8> getData() override;
    bool setFromData (const juce::Array<juce::uint8>& record) override;
    juce::String getName() override; // "PAD"
    bool validate (const juce::Array<juce::uint8>& record) override;
};
