// Every window of the program goes on screen through here, so that a window manager sees its
// real size, and that the user can't resize it, from the moment it is mapped. The windows are
// made off the desktop: on X11, JUCE maps a window on the desktop at every change of its style
// (native title bar, resizable, always on top), visible or not, at whatever size it has then.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class WindowSizeHints
{
public:
    // Adds the window to the desktop unmapped, writes its size hints, makes it visible and,
    // when asked, brings it to the front. Also for a window already on screen that was moved.
    static void show (juce::TopLevelWindow& window, bool bringToFront);

    // Writes the window's whole WM_NORMAL_HINTS: position, size and, for a window of fixed
    // size, minimum = maximum = its size. Does nothing without a peer or an X display.
    static void write (juce::Component& window);
};
