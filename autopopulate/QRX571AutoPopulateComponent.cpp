#include "autopopulate/QRX571AutoPopulateComponent.h"

#include "ui/EditorPictures.h"

namespace
{
constexpr int toolWidth = 633;
constexpr int toolHeight = 677;
constexpr int firstPanelY = 30;

template <typename ControlType, typename Getter>
juce::ReferenceCountedArray<ControlType> collect (int count, Getter get)
{
    juce::ReferenceCountedArray<ControlType> controls;

    for (int i = 0; i < count; ++i)
        controls.add (get (i));

    return controls;
}
} // namespace

QRX571AutoPopulateComponent::QRX571AutoPopulateComponent (QRX571EditorPreset::Ptr presetToUse)
    : preset (std::move (presetToUse))
{
    auto& p = *preset;
    padPanel = std::make_unique<QRX5PadAutoPopulateComponent> (
        collect<QRX5Pad> (QRX571EditorPreset::numPads, [&p] (int i) { return p.getPad (i); }));
    knobPanel = std::make_unique<QRX5KnobAutoPopulateComponent> (
        collect<QRX5Knob> (QRX571EditorPreset::numKnobs, [&p] (int i) { return p.getKnob (i); }));
    faderPanel = std::make_unique<QRX5FaderAutoPopulateComponent> (
        collect<QRX5Fader> (QRX571EditorPreset::numFaders, [&p] (int i) { return p.getFader (i); }));
    switchPanel = std::make_unique<QRX5SwitchAutoPopulateComponent> (
        collect<QRX5Switch> (QRX571EditorPreset::numSwitches, [&p] (int i) { return p.getSwitch (i); }));

    for (juce::Component* panel : { (juce::Component*)padPanel.get(), (juce::Component*)knobPanel.get(),
                                    (juce::Component*)faderPanel.get(), (juce::Component*)switchPanel.get() })
        addAndMakeVisible (panel);

    setSize (toolWidth, toolHeight);
}

QRX571AutoPopulateComponent::~QRX571AutoPopulateComponent() { removeAllChildren(); }

void QRX571AutoPopulateComponent::paint (juce::Graphics& g)
{
    g.drawImageAt (EditorPictures::auxiliaryBackground(), 0, 0);
    g.drawImageAt (EditorPictures::caption (EditorPictures::Caption::autoPopulate), 225, 10);

    for (auto y : { 180, 360, 515 })
        g.drawImageAt (EditorPictures::autoPopulateSeparator(), 5, y);
}

void QRX571AutoPopulateComponent::resized()
{
    const auto h = (getHeight() - 50) / 4;
    padPanel->setBounds (0, firstPanelY, getWidth(), h);
    knobPanel->setBounds (0, padPanel->getBottom() + 10, getWidth(), h);
    faderPanel->setBounds (0, knobPanel->getBottom() + 15, getWidth(), h);
    switchPanel->setBounds (0, faderPanel->getBottom() + 10, getWidth(), h);
}
