// Xlib's headers come with JUCE's only on request, and must come before any other include.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include "app/desktop/QueuedXEvents.h"

#include "app/desktop/X11SymbolPatch.h"

#include <juce_gui_basics/juce_gui_basics.h>

#if JUCE_LINUX || JUCE_BSD
// JUCE's own, for code that runs its loop's callbacks: no other header brings it.
#include <juce_events/native/juce_linux_EventLoopInternal.h>

#include <atomic>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

namespace
{
// Xlib turns each event it reads off the wire into an XEvent through one function for each event
// type, whichever call read it; the wire event's first byte holds its type.
using WireToEvent = int (*) (::Display*, XEvent*, void* wire);
using SetWireToEvent = WireToEvent (*) (::Display*, int type, WireToEvent);

constexpr int firstInputEvent = 2; // KeyPress; 0 and 1 are errors and replies
constexpr int lastInputEvent = 6;  // MotionNotify: what the keyboard and the mouse send

WireToEvent xlibWireToEvent[lastInputEvent + 1] = {};
::Display* watched = nullptr;
int wakeRead = -1;
int wakeWrite = -1;
std::atomic<bool> wakePosted{ false };

// JUCE's own reading of the connection (its loop's XPending, which reads all there is, then its
// XNextEvent from the queue) goes on until the queue is empty: what it reads wants no wake. A wake's callback
// running beside the connection's in one turn of JUCE's loop is what JUCE copes with worst (a modal loop run
// by one of them clears the list the turn walks), so it is posted only for what other calls read.
juce::X11Symbols::XPending xlibPending = nullptr;
thread_local int readingForJuce = 0;

int pending (::Display* display)
{
    ++readingForJuce;
    const auto result = xlibPending (display);
    --readingForJuce;
    return result;
}

// Inside Xlib, with the display locked, on whichever thread made the call: it only posts a wake.
int queue (::Display* display, XEvent* event, void* wire)
{
    const auto type = *static_cast<const unsigned char*> (wire) & 0x7f;
    const auto kept = xlibWireToEvent[type](display, event, wire);

    if (kept && readingForJuce == 0 && ! wakePosted.exchange (true)) [[maybe_unused]]
        const auto written = ::write (wakeWrite, "", 1);

    return kept;
}

// On the message thread: the events queued are read as JUCE reads those the socket brings.
void wake (int)
{
    wakePosted = false;
    char bytes[64];
    while (::read (wakeRead, bytes, sizeof (bytes)) > 0)
    {
    }

    if (watched != nullptr)
        juce::LinuxEventLoopInternal::invokeEventLoopCallbackForFd (
            juce::X11Symbols::getInstance()->xConnectionNumber (watched));
}
} // namespace
#endif

void QueuedXEvents::install()
{
#if JUCE_LINUX || JUCE_BSD
    auto* system = juce::XWindowSystem::getInstance();
    auto* display = system->getDisplay();
    if (display == nullptr || display == watched)
        return;

    // JUCE loads Xlib itself, without making its names global.
    auto* xlib = ::dlopen ("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
    auto* setWireToEvent = xlib != nullptr ? (SetWireToEvent)::dlsym (xlib, "XESetWireToEvent") : nullptr;
    if (setWireToEvent == nullptr)
        return;

    if (wakeRead < 0)
    {
        int ends[2];
        if (::pipe2 (ends, O_NONBLOCK | O_CLOEXEC) != 0)
            return;
        wakeRead = ends[0];
        wakeWrite = ends[1];
        juce::LinuxEventLoop::registerFdCallback (wakeRead, wake);
    }

    if (auto replaced = X11SymbolPatch::replace (&juce::X11Symbols::xPending, &pending))
        xlibPending = replaced;
    if (xlibPending == nullptr)
        return;

    watched = display;
    for (int type = firstInputEvent; type <= lastInputEvent; ++type)
        xlibWireToEvent[type] = setWireToEvent (display, type, queue);
#endif
}
