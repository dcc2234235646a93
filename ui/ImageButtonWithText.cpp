#include "ui/ImageButtonWithText.h"

ImageButtonWithText::ImageButtonWithText (const juce::String& name, const juce::Image& normalImageToUse,
                                          const juce::Image& toggledImageToUse,
                                          const juce::Image& overImageToUse)
    : juce::Button (name)
    , DragClickedButton (name, hoverClickDelayMs)
    , normalImage (normalImageToUse)
    , toggledImage (toggledImageToUse)
    , overImage (overImageToUse)
{
}

void ImageButtonWithText::paintButton (juce::Graphics& g, bool isMouseOver, bool)
{
    // Toggled wins over hover, so a selected bank stays lit under the mouse.
    const auto& picture = getToggleState() ? toggledImage : (isMouseOver ? overImage : normalImage);
    g.drawImageAt (picture, 0, 0);

    g.setColour (getLookAndFeel().findColour (juce::Label::textColourId));
    g.drawText (getName(), static_cast<int> (textX), static_cast<int> (textY), getWidth(), 20,
                juce::Justification::left, true);
}
