// Every window of the program goes on screen through here, so that a window manager sees its
// real size, and that the user can't resize it, from the moment it is mapped and for as long as
// it lives. The windows are made off the desktop: on X11, JUCE maps a window on the desktop at
// every change of its style (native title bar, resizable, always on top), visible or not, at
// whatever size it has then.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class WindowSizeHints
{
public:
    // Adds the window to the desktop unmapped, has its first paint done, makes it visible and,
    // when asked, brings it to the front. Also for a window already on screen that was moved.
    static void show (juce::TopLevelWindow& window, bool bringToFront);

    // All of show but the mapping: on the desktop unmapped, first paint done. For a window that
    // something else makes visible (a box made visible by its modal state).
    static void prepare (juce::TopLevelWindow& window);

    // From now on every WM_NORMAL_HINTS that JUCE writes for a window of fixed size carries its
    // position, its size and minimum = maximum = its size. Done by show; needs JUCE's X11 peer.
    static void keepFixedSizes();
};
