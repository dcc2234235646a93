// The content of the Send Multiple Presets window: the list of the 21 locations, the "Send"
// button, a status line left of it and the window's caption.
#pragma once

#include "ui/CustomLookForAuxiliaryWindows.h"
#include "ui/ReferenceCountedImageButton.h"

#include <memory>

class SendMultiplePresetsComponent : public juce::Component
{
public:
    SendMultiplePresetsComponent (std::unique_ptr<juce::ListBox> list,
                                  ReferenceCountedImageButton::Ptr sendButton);
    ~SendMultiplePresetsComponent() override;

    void updateList();
    // Only Send follows the reading state; the rows follow it when they are rebuilt.
    void setControlsEnabled (bool shouldBeEnabled);
    void setStatusText (const juce::String& text);
    // The list refers to the window's model, so it goes first.
    void deleteList();

    juce::ListBox* getList() { return list.get(); }
    juce::Button& getSendButton() { return *send; }
    juce::Label& getStatusLabel() { return status; }
    juce::ImageComponent& getCaption() { return caption; }

    void resized() override;
    void paint (juce::Graphics& g) override;

private:
    CustomLookForAuxiliaryWindows look;
    juce::Label status;
    std::unique_ptr<juce::ListBox> list;
    ReferenceCountedImageButton::Ptr send;
    juce::ImageComponent caption;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SendMultiplePresetsComponent)
};
