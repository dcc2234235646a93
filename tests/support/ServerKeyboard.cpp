#include "support/ServerKeyboard.h"

#include "support/PendingXEvents.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace
{
::Display* asDisplay (void* display) { return static_cast<::Display*> (display); }
} // namespace

testutil::ServerKeyboard::ServerKeyboard()
    : display (XOpenDisplay (nullptr))
{
}

testutil::ServerKeyboard::~ServerKeyboard()
{
    if (display != nullptr)
        XCloseDisplay (asDisplay (display));
}

void testutil::ServerKeyboard::key (const char* name, bool down)
{
    send (name, down);
    deliverPendingXEvents();
}

void testutil::ServerKeyboard::send (const char* name, bool down)
{
    auto* d = asDisplay (display);
    XTestFakeKeyEvent (d, XKeysymToKeycode (d, XStringToKeysym (name)), down ? True : False, CurrentTime);
    XSync (d, False);
}

void testutil::ServerKeyboard::focus (void* window)
{
    auto* d = asDisplay (display);
    XSetInputFocus (d, (::Window)window, RevertToParent, CurrentTime);
    XSync (d, False);
    deliverPendingXEvents();
}

void testutil::ServerKeyboard::grab()
{
    auto* d = asDisplay (display);
    XGrabKeyboard (d, DefaultRootWindow (d), False, GrabModeAsync, GrabModeAsync, CurrentTime);
    XSync (d, False);
    deliverPendingXEvents();
}

void testutil::ServerKeyboard::ungrab()
{
    auto* d = asDisplay (display);
    XUngrabKeyboard (d, CurrentTime);
    XSync (d, False);
    deliverPendingXEvents();
}
