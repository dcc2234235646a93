// The parameter view of one knob: a page per knob type, following type changes made anywhere.
#pragma once

#include "model/QRX5Knob.h"
#include "ui/ChooserBindings.h"
#include "ui/LCDView.h"
#include "ui/NumberBoxComponent.h"

#include <memory>

class KnobLCDView : public LCDView, public juce::ComboBox::Listener, public juce::Value::Listener
{
public:
    KnobLCDView (QRX5Knob::Ptr knob, const juce::String& title);
    ~KnobLCDView() override;

    void resized() override;
    void valueChanged (juce::Value& value) override;
    void comboBoxChanged (juce::ComboBox* box) override;

private:
    QRX5Knob::Ptr knob;
    std::unique_ptr<juce::ComboBox> typeBox, channelBox;
    std::unique_ptr<NumberBoxComponent<int>> ccBox, minBox, maxBox, nrpnMsbBox, nrpnLsbBox, nrpnValueBox;
    std::unique_ptr<juce::ComboBox> toDinBox;
    std::unique_ptr<juce::Component> spacer; // fills the fourth left row of the CC page
    ChooserBindings choosers;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (KnobLCDView)
};
