#include "ui/ImageToggleButton.h"

ImageToggleButton::ImageToggleButton (const juce::String& name, const juce::Image& offImageToUse,
                                      const juce::Image& onImageToUse)
    : juce::Button (name)
    , offImage (offImageToUse)
    , onImage (onImageToUse)
{
    setClickingTogglesState (true);
    setWantsKeyboardFocus (false); // a click leaves the keys to its window: Return must not click it again
}

void ImageToggleButton::paintButton (juce::Graphics& g, bool, bool)
{
    g.drawImageAt (getToggleState() ? onImage : offImage, 0, 0);
}
