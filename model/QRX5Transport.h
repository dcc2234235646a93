// The preset's transport section: tempo, time division, note repeat, gate, swing and the
// transport type. "BPM" takes two bytes of the record (high part first); bytes 7 to 11 are
// reserved.
#pragma once

#include "MEditorControl.h"

// Parameters (record byte: name, range, start): 0-1 "BPM" 30..300 (120 would be bytes 0, 120), 30;
// 2 "TIME DIVISION TOGGLE" 0..1, 0; 3 "TIME DIVISION" 0..7, 0; 4 "REPEAT TOGGLE" 0..1, 0;
// 5 "GATE" 1..99, 1; 6 "SWING" 50..75, 50; 12 "TRANSPORT TYPE" 0..4, 0.
class QRX5Transport : public virtual juce::ReferenceCountedObject, public virtual MEditorControl
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<QRX5Transport>;

    static constexpr int recordSize = 13;

    QRX5Transport();

    juce::Array<juce::uint8> getData() override;
    bool setFromData (const juce::Array<juce::uint8>& record) override;
    juce::String getName() override; // "Transport"
    bool validate (const juce::Array<juce::uint8>& record) override;
};
