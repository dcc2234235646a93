#include "autopopulate/QRX5FaderAutoPopulateComponent.h"

#include "ui/WidgetFactories.h"

namespace
{
constexpr int fadersPerBank = 4;
constexpr int numBanks = 3;
const juce::Rectangle<int> subModeArea{ 10, 50, 200, 200 };
} // namespace

QRX5FaderAutoPopulateComponent::QRX5FaderAutoPopulateComponent (
    const juce::ReferenceCountedArray<QRX5Fader>& faders)
    : AutoPopulatePanel ("FADER", asControls (faders), fadersPerBank,
                         nameBankToggles (makeBankToggles (numBanks), { "Bank A", "Bank B", "Bank C" }),
                         subModeArea)
{
    addCommonRows (makeRows ({ createMidiChannelParameter(), createMidiToDinParameter() }));
    addTypeRow (makeFaderTypeBox (nullptr));
}

void QRX5FaderAutoPopulateComponent::buildSubMode (int typeId)
{
    runBuilder<QRX5FaderAutoPopulateComponent> (*this,
                                                { &QRX5FaderAutoPopulateComponent::createCCSubMode,
                                                  &QRX5FaderAutoPopulateComponent::createAftertouchSubMode },
                                                typeId);
}

void QRX5FaderAutoPopulateComponent::createCCSubMode() { createRangeAndCCRunSubMode<CCSubMode>(); }

void QRX5FaderAutoPopulateComponent::createAftertouchSubMode() { createRangeSubMode(); }

AutoPopulateParameter::Ptr QRX5FaderAutoPopulateComponent::createMidiToDinParameter()
{
    return createStaticRow ("To MIDI DIN", makeMidiToDinBox (nullptr), false);
}
