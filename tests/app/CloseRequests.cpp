#include "CloseRequests.h"

#include <X11/Xlib.h> // last: Xlib's macros would clash with the code above

namespace apptest
{
void sendCloseRequests (const juce::Array<juce::Component*>& windows)
{
    Display* display = XOpenDisplay (nullptr);
    if (display == nullptr)
        return;

    const auto protocols = XInternAtom (display, "WM_PROTOCOLS", False);
    const auto deleteWindow = XInternAtom (display, "WM_DELETE_WINDOW", False);

    for (auto* window : windows)
    {
        if (window == nullptr || window->getPeer() == nullptr)
            continue;

        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = (::Window)window->getPeer()->getNativeHandle();
        event.xclient.message_type = protocols;
        event.xclient.format = 32;
        event.xclient.data.l[0] = (long)deleteWindow;
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent (display, event.xclient.window, False, NoEventMask, &event);
    }

    XSync (display, False);
    XCloseDisplay (display);
}
} // namespace apptest
