// The parameter view of one switch: a page per switch type, following type changes made anywhere.
#pragma once

#include "model/QRX5Switch.h"
#include "ui/ChooserBindings.h"
#include "ui/LCDView.h"
#include "ui/NumberBoxComponent.h"

#include <memory>

class SwitchLCDView : public LCDView, public juce::ComboBox::Listener, public juce::Value::Listener
{
public:
    SwitchLCDView (QRX5Switch::Ptr switchControl, const juce::String& title);
    ~SwitchLCDView() override;

    void resized() override;
    void valueChanged (juce::Value& value) override;
    void comboBoxChanged (juce::ComboBox* box) override;

private:
    QRX5Switch::Ptr switchControl;
    std::unique_ptr<juce::ComboBox> typeBox, channelBox;
    std::unique_ptr<NumberBoxComponent<int>> ccBox;
    std::unique_ptr<juce::ComboBox> triggerModeBox;
    std::unique_ptr<NumberBoxComponent<int>> programBox, programMsbBox, programLsbBox;
    std::unique_ptr<juce::ComboBox> toDinBox;
    std::unique_ptr<NumberBoxComponent<int>> noteBox, velocityBox;
    std::unique_ptr<juce::ComboBox> key1Box, key2Box;
    ChooserBindings choosers;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SwitchLCDView)
};
