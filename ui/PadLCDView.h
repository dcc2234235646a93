// The parameter view of one pad: a page per pad type, following type changes made anywhere.
#pragma once

#include "model/QRX5Pad.h"
#include "ui/ChooserBindings.h"
#include "ui/LCDView.h"
#include "ui/NumberBoxComponent.h"

#include <memory>

class PadLCDView : public LCDView, public juce::ComboBox::Listener, public juce::Value::Listener
{
public:
    PadLCDView (QRX5Pad::Ptr pad, const juce::String& title);
    ~PadLCDView() override;

    void resized() override;
    void valueChanged (juce::Value& value) override;
    void comboBoxChanged (juce::ComboBox* box) override;

private:
    QRX5Pad::Ptr pad;
    std::unique_ptr<juce::ComboBox> typeBox, channelBox;
    std::unique_ptr<NumberBoxComponent<int>> noteBox;
    std::unique_ptr<juce::ComboBox> aftertouchBox, triggerModeBox;
    std::unique_ptr<NumberBoxComponent<int>> programBox, programMsbBox, programLsbBox;
    std::unique_ptr<juce::ComboBox> toDinBox, onColourBox, offColourBox;
    ChooserBindings choosers;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PadLCDView)
};
