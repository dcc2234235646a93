// A button that clicks itself once when a dragged item rests on it for clickDelay
// milliseconds, so a drag can switch what is on screen while it goes on. Leaving or
// dropping first cancels the click; staying longer never clicks twice.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class DragClickedButton : public juce::DragAndDropTarget, public juce::Timer, public virtual juce::Button
{
public:
    DragClickedButton (const juce::String& name, int clickDelayMs);

    bool isInterestedInDragSource (const SourceDetails& details) override;
    void itemDragEnter (const SourceDetails& details) override;
    void itemDragExit (const SourceDetails& details) override;
    void itemDropped (const SourceDetails& details) override;
    void timerCallback() override;

    bool isHovering() const { return hovering; }
    int getClickDelay() const { return clickDelay; }

private:
    void disarm();

    bool hovering = false;
    int clickDelay;
    double armedAt = 0.0; // when the item entered, in ms

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DragClickedButton)
};
