#include "ui/ControlView.h"

ControlView::ControlView (const juce::Image& normal, const juce::Image& over, const juce::Image& selected)
    : juce::Button (juce::String())
    , normalImage (normal)
    , overImage (over)
    , selectedImage (selected)
{
    setWantsKeyboardFocus (false); // a click leaves the keys to its window: Return must not click it again
}

ControlView::~ControlView() = default;

void ControlView::paintButton (juce::Graphics& g, bool isMouseOver, bool /*isDown*/)
{
    const auto& picture = getToggleState() ? selectedImage : (isMouseOver ? overImage : normalImage);
    g.drawImageAt (picture, 0, 0);
}
