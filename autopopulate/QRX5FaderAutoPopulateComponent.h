// The "FADER" panel: fills parameters of the 12 faders, bank by bank. TYPE chooses CC or
// AFTERTOUCH; the MIDI channel and to-DIN rows apply whatever the type.
#pragma once

#include "autopopulate/AutoPopulatePanel.h"
#include "autopopulate/StartBoxSubMode.h"
#include "model/QRX5Fader.h"

class QRX5FaderAutoPopulateComponent : public AutoPopulatePanel
{
public:
    // A run of CC numbers from START.
    class CCSubMode : public StartBoxSubMode
    {
    public:
        using StartBoxSubMode::StartBoxSubMode;
    };

    // The 12 faders in preset order.
    explicit QRX5FaderAutoPopulateComponent (const juce::ReferenceCountedArray<QRX5Fader>& faders);

private:
    void buildSubMode (int typeId) override;

    void createCCSubMode();
    void createAftertouchSubMode();

    AutoPopulateParameter::Ptr createMidiToDinParameter();

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QRX5FaderAutoPopulateComponent)
};
