// Bring All To Front: every window of the program un-minimised and in front, the main windows
// first, the open tool windows over them, and over all, with the keys, the window the command was
// chosen in. A window manager shows a restored window in its own time, and on top, and may give
// it the keys then: the windows are raised again once every restored one is back, and again
// whenever a restored window takes the keys, until each has or the wait ends.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class WindowsToFront : private juce::Timer
{
public:
    // The main windows in their order; the tool windows are found on the desktop.
    void bring (const juce::Array<juce::ResizableWindow*>& mainWindows);

private:
    void timerCallback() override;
    bool isRestoring() const;
    void raise();
    void finish();

    using WindowList = juce::Array<juce::Component::SafePointer<juce::ResizableWindow>>;
    WindowList order;    // the last on top
    WindowList restored; // not yet seen with the keys since their restore
    bool allBack = false;
    int waits = 0;
};
