// Windows on Xvfb with no window manager: the GUI tests and the guide's picture renderer run
// there. Include this last: Xlib's macros would clash with later code.
#pragma once

#include <X11/Xlib.h>
#include <initializer_list>

// Without a window manager the atoms it would have made don't exist, and JUCE's windows then
// set properties named by atom 0, which X refuses by ending the process. Making the atoms
// first stands in for the window manager. The connection stays open: the server forgets
// atoms when its last client goes.
//
// JUCE also installs its forgiving X error handler only in a standalone application, so here
// Xlib's default would end the process on any error. The test processes share one X server,
// where another process's window can vanish between two of JUCE's calls about it (a BadWindow
// on a tree query), so the same forgiving handler is installed.
inline int ignoreXError (Display*, XErrorEvent*) { return 0; }

inline void internWindowManagerAtoms()
{
    XSetErrorHandler (ignoreXError);

    static Display* display = XOpenDisplay (nullptr);

    if (display == nullptr)
        return; // no display: whatever needs none still runs

    for (auto* name : { "WM_PROTOCOLS", "WM_TAKE_FOCUS", "WM_DELETE_WINDOW", "WM_CHANGE_STATE", "WM_STATE",
                        "_NET_WM_PING", "_NET_WM_STATE", "_NET_WM_STATE_HIDDEN", "_NET_WM_STATE_FULLSCREEN",
                        "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_NORMAL", "_NET_WM_WINDOW_TYPE_COMBO",
                        "_NET_WM_ALLOWED_ACTIONS", "_NET_FRAME_EXTENTS", "_NET_WORKAREA", "_MOTIF_WM_HINTS",
                        "_KDE_NET_WM_WINDOW_TYPE_OVERRIDE", "KWM_WIN_DECORATION", "_WIN_HINTS" })
        XInternAtom (display, name, False);

    XSync (display, False);
}
