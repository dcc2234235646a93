#include "ui/DragClickedButton.h"

#include <cmath>

DragClickedButton::DragClickedButton (const juce::String& name, int clickDelayMs)
    : juce::Button (name)
    , clickDelay (clickDelayMs)
{
    setWantsKeyboardFocus (false); // a click leaves the keys to its window: Return must not click it again
}

bool DragClickedButton::isInterestedInDragSource (const SourceDetails&) { return true; }

void DragClickedButton::itemDragEnter (const SourceDetails&)
{
    hovering = true;
    armedAt = juce::Time::getMillisecondCounterHiRes();
    startTimer (clickDelay);
}

void DragClickedButton::itemDragExit (const SourceDetails&) { disarm(); }

void DragClickedButton::itemDropped (const SourceDetails&) { disarm(); }

void DragClickedButton::timerCallback()
{
    // The shared timer thread can fire a few milliseconds early; the click must not.
    const auto remaining = clickDelay - (juce::Time::getMillisecondCounterHiRes() - armedAt);

    if (remaining > 0.0)
    {
        startTimer (juce::jmax (1, static_cast<int> (std::ceil (remaining))));
        return;
    }

    disarm();
    triggerClick();
}

void DragClickedButton::disarm()
{
    stopTimer();
    hovering = false;
}
