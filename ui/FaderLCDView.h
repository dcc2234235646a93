// The parameter view of one fader: a page per fader type, following type changes made anywhere.
#pragma once

#include "model/QRX5Fader.h"
#include "ui/ChooserBindings.h"
#include "ui/LCDView.h"
#include "ui/NumberBoxComponent.h"

#include <memory>

class FaderLCDView : public LCDView, public juce::ComboBox::Listener, public juce::Value::Listener
{
public:
    FaderLCDView (QRX5Fader::Ptr fader, const juce::String& title);
    ~FaderLCDView() override;

    void resized() override;
    void valueChanged (juce::Value& value) override;
    void comboBoxChanged (juce::ComboBox* box) override;

private:
    QRX5Fader::Ptr fader;
    std::unique_ptr<juce::ComboBox> typeBox, channelBox;
    std::unique_ptr<NumberBoxComponent<int>> ccBox, minBox, maxBox;
    std::unique_ptr<juce::ComboBox> toDinBox;
    std::unique_ptr<juce::Component> spacer; // fills the fourth left row of the CC page
    ChooserBindings choosers;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (FaderLCDView)
};
