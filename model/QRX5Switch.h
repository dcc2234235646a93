// A switch of the preset: one of 12, in three banks of four. Byte 10 of its record is reserved.
#pragma once

#include "MEditorControl.h"

// Parameters (record byte: name, range): 0 "Parameter Type" 0..4, 1 "MIDI Channel" 0..32,
// 2 "MIDI CC" 0..127, 3 "Switch Mode" 0..2, 4 "Program Number" 0..127, 5 "Program MSB" 0..127,
// 6 "Program LSB" 0..127, 7 "To Midi Din" 0..1, 8 "MIDI Note" 0..127, 9 "Note Velocity" 0..127,
// 11 "Key 1" 0..82, 12 "Key 2" 0..14. All start at 0.
class QRX5Switch : public virtual juce::ReferenceCountedObject, public virtual MEditorControl
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<QRX5Switch>;

    static constexpr int recordSize = 13;

    QRX5Switch();

    juce::Array<juce::uint8> getData() override;
    bool setFromData (const juce::Array<juce::uint8>& record) override;
    juce::String getName() override; // "Switch"
    bool validate (const juce::Array<juce::uint8>& record) override;
};
