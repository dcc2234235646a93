// The "KNOBS" panel: fills parameters of the 12 knobs, bank by bank. TYPE chooses CC,
// AFTERTOUCH, INC/DEC 1 or INC/DEC 2; the MIDI channel and to-DIN rows apply whatever the type.
#pragma once

#include "autopopulate/AutoPopulatePanel.h"
#include "autopopulate/StartBoxSubMode.h"
#include "model/QRX5Knob.h"

#include <array>

class QRX5KnobAutoPopulateComponent : public AutoPopulatePanel
{
public:
    // A run of CC numbers from START.
    class CCSubMode : public StartBoxSubMode
    {
    public:
        using StartBoxSubMode::StartBoxSubMode;
    };

    // A run of 14-bit NRPN values from START, which is also shown split into MSB and LSB;
    // editing either side updates the other.
    class INCDEC1SubMode : public AutoPopulateParameterContainer, public NumberBoxComponent<int>::Listener
    {
    public:
        INCDEC1SubMode (const juce::ReferenceCountedArray<AutoPopulateParameter>& rows,
                        ApplyToBanksComponent::Ptr applyToBanks,
                        SetNrpnMSBAndLSBFromValueAutoPopulateFunction::Ptr runFunction);
        ~INCDEC1SubMode() override;

        void numberBoxChanged (NumberBoxComponent<int>* box) override;

    private:
        SetNrpnMSBAndLSBFromValueAutoPopulateFunction::Ptr runFunction;
        std::array<std::unique_ptr<NumberBoxComponent<int>>, 3> numberBoxes; // START, MSB, LSB
        std::array<juce::Label, 3> boxLabels;

        JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (INCDEC1SubMode)
    };

    // The 12 knobs in preset order.
    explicit QRX5KnobAutoPopulateComponent (const juce::ReferenceCountedArray<QRX5Knob>& knobs);

private:
    void buildSubMode (int typeId) override;

    void createCCSubMode();
    void createAftertouchSubMode();
    void createIncDec1SubMode();
    void createIncDec2SubMode();

    AutoPopulateParameter::Ptr createMidiToDinParameter();
    AutoPopulateParameter::Ptr createValueParameter();

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QRX5KnobAutoPopulateComponent)
};
