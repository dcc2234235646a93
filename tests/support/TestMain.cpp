// The one main of every test suite. The thread that runs the tests is JUCE's
// message thread, so tests can post to it and spin its loop (see RunLoop.h).
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdlib>

#if JUCE_LINUX
#include <X11/Xlib.h>

namespace
{
// The GUI tests run on Xvfb with no window manager, so the atoms a window manager would
// have made don't exist, and JUCE's windows then set properties named by atom 0, which
// X refuses by ending the process. Making the atoms first stands in for the window
// manager. The connection stays open: the server forgets atoms when its last client goes.
void internWindowManagerAtoms()
{
    static Display* display = XOpenDisplay (nullptr);

    if (display == nullptr)
        return; // no display: the suites that need none still run

    for (auto* name : { "WM_PROTOCOLS", "WM_TAKE_FOCUS", "WM_DELETE_WINDOW", "WM_CHANGE_STATE", "WM_STATE",
                        "_NET_WM_PING", "_NET_WM_STATE", "_NET_WM_STATE_HIDDEN", "_NET_WM_STATE_FULLSCREEN",
                        "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_NORMAL", "_NET_WM_WINDOW_TYPE_COMBO",
                        "_NET_WM_ALLOWED_ACTIONS", "_NET_FRAME_EXTENTS", "_NET_WORKAREA", "_MOTIF_WM_HINTS",
                        "_KDE_NET_WM_WINDOW_TYPE_OVERRIDE", "KWM_WIN_DECORATION", "_WIN_HINTS" })
        XInternAtom (display, name, False);

    XSync (display, False);
}
} // namespace
#endif

int main (int argc, char** argv)
{
    testing::InitGoogleMock (&argc, argv);

#if JUCE_LINUX
    internWindowManagerAtoms();
#endif

    juce::ScopedJuceInitialiser_GUI juceSystem;
    const int result = RUN_ALL_TESTS();

    // A drag that ended leaves its image flying home on the desktop's animator; JUCE would
    // delete that window after its windowing system is gone, so land it now. Without a
    // display no window was ever made.
    if (std::getenv ("DISPLAY") != nullptr)
        juce::Desktop::getInstance().getAnimator().cancelAllAnimations (false);

    return result;
}
