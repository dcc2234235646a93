// The content of the Send Preset window: the location chooser ("RAM", "1" ... "20") with its
// caption, and the "Send" button.
#pragma once

#include "ui/CustomLookForAuxiliaryWindows.h"
#include "ui/ReferenceCountedImageButton.h"

class SendPresetComponent : public juce::Component, public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<SendPresetComponent>;

    explicit SendPresetComponent (ReferenceCountedImageButton::Ptr sendButton);
    ~SendPresetComponent() override;

    // 1 for "RAM", n + 1 for slot n; 0 when nothing is chosen. The location is this minus 1.
    int getSelectedId() const { return chooser.getSelectedId(); }

    juce::Button& getSendButton() { return *send; }

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    CustomLookForAuxiliaryWindows look;
    ReferenceCountedImageButton::Ptr send;
    juce::ComboBox chooser;
    juce::Label caption;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SendPresetComponent)
};
