// Keeps every window's picture in memory while it is on screen.
//
// JUCE's X11 peer drops a window's picture after 3 s without painting, and the paint that makes
// it again sets the window's bounds once more. A window manager answers that with a configure
// event, on which JUCE closes every open menu and chooser list. So a chooser clicked after a
// still moment closed at once. Touching each picture within the 3 s keeps it, and paints
// nothing. (A minimised window isn't showing and loses its picture; WindowSizeHints keeps its
// size fixed through the bounds write of its restore.)
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class WindowPictureKeeper : private juce::Timer
{
public:
    WindowPictureKeeper();
    ~WindowPictureKeeper() override;

private:
    void timerCallback() override;

    JUCE_DECLARE_NON_COPYABLE (WindowPictureKeeper)
};
