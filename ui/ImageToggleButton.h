// A two-picture toggle: a click flips it, and it shows its on picture while on and its
// off picture otherwise, whatever the mouse does.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class ImageToggleButton : public juce::ReferenceCountedObject, public juce::Button
{
public:
    ImageToggleButton (const juce::String& name, const juce::Image& offImage, const juce::Image& onImage);

protected:
    void paintButton (juce::Graphics& g, bool isMouseOver, bool isDown) override;

private:
    juce::Image offImage;
    juce::Image onImage;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ImageToggleButton)
};
