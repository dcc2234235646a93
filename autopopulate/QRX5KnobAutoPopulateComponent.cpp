#include "autopopulate/QRX5KnobAutoPopulateComponent.h"

#include "model/Split14.h"
#include "ui/EditorStrings.h"
#include "ui/WidgetFactories.h"

namespace
{
constexpr int knobsPerBank = 4;
constexpr int numBanks = 3;
const juce::Rectangle<int> subModeArea{ 10, 50, 200, 200 };
constexpr int boxX = 85;
constexpr int boxStep = 22;

enum Box
{
    startBox,
    msbBox,
    lsbBox
};
} // namespace

QRX5KnobAutoPopulateComponent::INCDEC1SubMode::INCDEC1SubMode (
    const juce::ReferenceCountedArray<AutoPopulateParameter>& rows, ApplyToBanksComponent::Ptr applyToBanks,
    SetNrpnMSBAndLSBFromValueAutoPopulateFunction::Ptr runFunctionToUse)
    : AutoPopulateParameterContainer (rows, std::move (applyToBanks))
    , runFunction (std::move (runFunctionToUse))
{
    for (auto* row : getRows())
        row->setIndent (true);
    resized();

    numberBoxes[startBox].reset (makeNumberBox (EditorStrings::startCaption, 0, 16383, nullptr));
    numberBoxes[msbBox].reset (makeNumberBox (EditorStrings::msbCaption, 0, 127, nullptr));
    numberBoxes[lsbBox].reset (makeNumberBox (EditorStrings::lsbCaption, 0, 127, nullptr));

    const auto y0 = getBelowRowsY();

    for (int k = 0; k < (int)numberBoxes.size(); ++k)
    {
        auto& box = *numberBoxes[(size_t)k];
        auto& label = boxLabels[(size_t)k];
        box.addListener (this);
        addAndMakeVisible (box);
        box.setTopLeftPosition (boxX, y0 + boxStep * k);
        attachBoxCaption (label, box.getName(), box);
        styleNumberBox (box);
        addAndMakeVisible (label);
    }
}

QRX5KnobAutoPopulateComponent::INCDEC1SubMode::~INCDEC1SubMode()
{
    for (auto& box : numberBoxes)
    {
        box->removeListener (this);
        box->hideEditor (true);
    }
}

void QRX5KnobAutoPopulateComponent::INCDEC1SubMode::numberBoxChanged (NumberBoxComponent<int>* box)
{
    auto& start = *numberBoxes[startBox];

    if (box == &start)
    {
        runFunction->start = start.getValue();
        const auto [msb, lsb] = split14 (start.getValue());
        numberBoxes[msbBox]->setValue (msb, juce::dontSendNotification);
        numberBoxes[lsbBox]->setValue (lsb, juce::dontSendNotification);
        return;
    }

    start.setValue (
        join14 ((juce::uint8)numberBoxes[msbBox]->getValue(), (juce::uint8)numberBoxes[lsbBox]->getValue()),
        juce::sendNotificationSync);
}

QRX5KnobAutoPopulateComponent::QRX5KnobAutoPopulateComponent (
    const juce::ReferenceCountedArray<QRX5Knob>& knobs)
    : AutoPopulatePanel ("KNOBS", asControls (knobs), knobsPerBank, makeBankToggles (numBanks), subModeArea)
{
    addCommonRows (makeRows ({ createMidiChannelParameter(), createMidiToDinParameter() }));
    addTypeRow (makeKnobTypeBox (nullptr));
}

void QRX5KnobAutoPopulateComponent::buildSubMode (int typeId)
{
    runBuilder<QRX5KnobAutoPopulateComponent> (*this,
                                               { &QRX5KnobAutoPopulateComponent::createCCSubMode,
                                                 &QRX5KnobAutoPopulateComponent::createAftertouchSubMode,
                                                 &QRX5KnobAutoPopulateComponent::createIncDec1SubMode,
                                                 &QRX5KnobAutoPopulateComponent::createIncDec2SubMode },
                                               typeId);
}

void QRX5KnobAutoPopulateComponent::createCCSubMode() { createRangeAndCCRunSubMode<CCSubMode>(); }

void QRX5KnobAutoPopulateComponent::createAftertouchSubMode() { createRangeSubMode(); }

void QRX5KnobAutoPopulateComponent::createIncDec1SubMode()
{
    SetNrpnMSBAndLSBFromValueAutoPopulateFunction::Ptr runFunction =
        new SetNrpnMSBAndLSBFromValueAutoPopulateFunction (&selectedControls);
    subMode = nullptr;
    showSubMode (
        new INCDEC1SubMode (makeRows ({ createValueParameter(), createOrderParameter (runFunction) }),
                            applyToBanks, runFunction));
}

void QRX5KnobAutoPopulateComponent::createIncDec2SubMode()
{
    AscendingOrDescendingAutoPopulateFunction::Ptr runFunction =
        new AscendingOrDescendingAutoPopulateFunction (&selectedControls, "CC Number");
    subMode = nullptr;
    showSubMode (
        new CCSubMode (makeRows ({ createOrderParameter (runFunction) }), applyToBanks, runFunction));
}

AutoPopulateParameter::Ptr QRX5KnobAutoPopulateComponent::createMidiToDinParameter()
{
    return createStaticRow ("To MIDI DIN", makeMidiToDinBox (nullptr), false);
}

AutoPopulateParameter::Ptr QRX5KnobAutoPopulateComponent::createValueParameter()
{
    return createStaticRow ("NRPN Value", makeValueBox (nullptr), false);
}
