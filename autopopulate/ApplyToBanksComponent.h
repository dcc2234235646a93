// The bank selector of a panel: the bank toggles under "Apply to Banks", which re-sort the
// panel's controls on every click, and the "Apply" button that the panel's rows hear.
#pragma once

#include "autopopulate/ControlSorter.h"
#include "ui/ImageToggleButton.h"
#include "ui/ReferenceCountedImageButton.h"

class ApplyToBanksComponent : public juce::Component,
                              public juce::ReferenceCountedObject,
                              public juce::Button::Listener
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<ApplyToBanksComponent>;

    // Takes over the bank toggles (A, B, C and for pads D); they start off.
    ApplyToBanksComponent (ControlSorter::Ptr sorter, const juce::Array<ImageToggleButton*>& bankButtons);
    ~ApplyToBanksComponent() override;

    void addApplyListener (juce::Button::Listener* listener);
    void removeApplyListener (juce::Button::Listener* listener);

    void paint (juce::Graphics& g) override;
    void resized() override;
    void buttonClicked (juce::Button* button) override;

private:
    juce::ReferenceCountedArray<ImageToggleButton> bankButtons;
    ReferenceCountedImageButton::Ptr applyButton;
    ControlSorter::Ptr sorter;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ApplyToBanksComponent)
};
