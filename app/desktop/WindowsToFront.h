// Bring All To Front: every window of the program un-minimised and in front, the main windows
// first, the open tool windows over them, and over all, with the keys, the window the command was
// chosen in. A window manager shows a restored window in its own time, and may show it on top
// with the keys after the program's raises: for a short while after the command the windows are
// raised again once every restored window is back, and whenever a restored window takes the keys
// for the first time. The user acting meanwhile (another window taking the keys, a click) ends it.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class WindowsToFront : private juce::Timer,
                       private juce::ComponentListener,
                       private juce::FocusChangeListener,
                       private juce::MouseListener
{
public:
    // How long after the command the program waits for the window manager to show the restored
    // windows and hand out the keys: long enough for one under load, short enough that a window
    // the user picks a moment later keeps the top.
    static constexpr int windowManagerWaitMs = 1000;

    ~WindowsToFront() override;

    // The main windows in their order; the tool windows are found on the desktop.
    void bring (const juce::Array<juce::ResizableWindow*>& mainWindows);

private:
    void timerCallback() override;
    void componentBroughtToFront (juce::Component& window) override;
    void componentVisibilityChanged (juce::Component&) override { check(); }
    void globalFocusChanged (juce::Component*) override { check(); }
    void mouseDown (const juce::MouseEvent&) override { finish(); }

    void check();
    void raise();
    void finish();

    using WindowList = juce::Array<juce::Component::SafePointer<juce::ResizableWindow>>;
    WindowList order;     // the last on top
    WindowList restoring; // restored, not yet shown again by the window manager
    WindowList keysOwed;  // restored, not yet seen with the keys
    juce::uint32 endsAt = 0;
    bool allBack = false;
    bool raising = false;
};
