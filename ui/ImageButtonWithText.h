// A three-picture button that writes its own name over its picture and clicks itself
// when a dragged item rests on it for a second (the editor surface's bank buttons).
// juce::Button is a virtual base: a subclass names juce::Button (name) in its own
// initialiser list as well.
#pragma once

#include "ui/DragClickedButton.h"

#include <juce_gui_basics/juce_gui_basics.h>

class ImageButtonWithText : public virtual juce::ReferenceCountedObject,
                            public virtual juce::Button,
                            public DragClickedButton
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<ImageButtonWithText>;

    static constexpr int hoverClickDelayMs = 1000;

    ImageButtonWithText (const juce::String& name, const juce::Image& normalImage,
                         const juce::Image& toggledImage, const juce::Image& overImage);

    void setTextX (float x) { textX = x; }
    void setTextY (float y) { textY = y; }

protected:
    void paintButton (juce::Graphics& g, bool isMouseOver, bool isDown) override;

private:
    juce::Image normalImage;
    juce::Image toggledImage;
    juce::Image overImage;
    float textX = 0.0f;
    float textY = 0.0f;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ImageButtonWithText)
};
