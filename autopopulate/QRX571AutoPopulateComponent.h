// The whole auto-populate tool for one preset: the pads, knobs, faders and switches panels
// stacked over the auxiliary background. Every panel writes into the preset's controls.
#pragma once

#include "autopopulate/QRX5FaderAutoPopulateComponent.h"
#include "autopopulate/QRX5KnobAutoPopulateComponent.h"
#include "autopopulate/QRX5PadAutoPopulateComponent.h"
#include "autopopulate/QRX5SwitchAutoPopulateComponent.h"
#include "model/QRX571EditorPreset.h"

class QRX571AutoPopulateComponent : public juce::Component
{
public:
    explicit QRX571AutoPopulateComponent (QRX571EditorPreset::Ptr preset);
    ~QRX571AutoPopulateComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    std::unique_ptr<QRX5PadAutoPopulateComponent> padPanel;
    std::unique_ptr<QRX5KnobAutoPopulateComponent> knobPanel;
    std::unique_ptr<QRX5FaderAutoPopulateComponent> faderPanel;
    std::unique_ptr<QRX5SwitchAutoPopulateComponent> switchPanel;
    QRX571EditorPreset::Ptr preset;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QRX571AutoPopulateComponent)
};
