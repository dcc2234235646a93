// Xlib's headers come with JUCE's only on request, and must come before any other include.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include "WindowManagerStandIn.h"

#include "app/desktop/X11SymbolPatch.h"
#include "support/RunLoop.h"

#include <map>
#include <set>
#include <utility>

namespace
{
::Window handleOf (juce::Component& window)
{
    auto* peer = window.getPeer();
    return peer != nullptr ? (::Window)peer->getNativeHandle() : 0;
}

juce::String sizeText (int width, int height) { return juce::String (width) + "x" + juce::String (height); }

// What the hints of a window of fixed size hold: its size, as its minimum and its maximum too.
juce::String wholeHints (juce::Component& window)
{
    const auto size = sizeText (window.getWidth(), window.getHeight());
    return "size " + size + " min " + size + " max " + size;
}

// The peer makes a graphics context for its window with each picture it makes, and frees it with
// the picture: JUCE reaches Xlib through its symbol table, where these two are wrapped.
struct PictureWatch
{
    static inline juce::X11Symbols::XCreateGC xlibCreateGC = nullptr;
    static inline juce::X11Symbols::XFreeGC xlibFreeGC = nullptr;
    static inline std::map<GC, ::Window> contexts;
    static inline std::map<::Window, int> dropped;

    static GC createGC (::Display* display, ::Drawable drawable, unsigned long mask, XGCValues* values)
    {
        auto gc = xlibCreateGC (display, drawable, mask, values);
        contexts[gc] = drawable;
        return gc;
    }

    static void freeGC (::Display* display, GC gc)
    {
        if (auto found = contexts.find (gc); found != contexts.end())
        {
            ++dropped[found->second];
            contexts.erase (found);
        }
        xlibFreeGC (display, gc);
    }

    PictureWatch()
    {
        xlibCreateGC = X11SymbolPatch::replace (&juce::X11Symbols::xCreateGC, &createGC);
        xlibFreeGC = X11SymbolPatch::replace (&juce::X11Symbols::xFreeGC, &freeGC);
    }

    ~PictureWatch()
    {
        auto* symbols = juce::X11Symbols::getInstance();
        symbols->xCreateGC = xlibCreateGC;
        symbols->xFreeGC = xlibFreeGC;
        contexts.clear();
        dropped.clear();
    }
};
} // namespace

struct WindowManagerStandIn::Connection
{
    Display* display = XOpenDisplay (nullptr);
    ::Window root = DefaultRootWindow (display);
    Atom wmState = XInternAtom (display, "WM_STATE", False);
    Atom changeState = XInternAtom (display, "WM_CHANGE_STATE", False);
    Atom activeWindow = XInternAtom (display, "_NET_ACTIVE_WINDOW", False);
    juce::StringArray wrongHints;
    std::map<::Window, int> configured;
    std::map<::Window, juce::StringArray> sizes;
    PictureWatch pictures;
    bool activatesRestoredLate = false, activatesNew = false;
    std::set<::Window> iconic, owed; // owed: restored, and still to be given the keys and the top
    std::set<::Window> mapped;       // each window mapped once
    ::Window noFocus = 0;            // where fallen keys are held, when it holds them

    ~Connection() { XCloseDisplay (display); }

    void serve()
    {
        std::set<::Window> restoredNow;
        bool activationAsked = false;

        while (XPending (display) > 0)
        {
            XEvent event;
            XNextEvent (display, &event);

            if (event.type == MapRequest)
            {
                check (event.xmaprequest.window, "map");
                const auto window = event.xmaprequest.window;
                if (activatesRestoredLate && iconic.count (window) > 0)
                    restoredNow.insert (window);
                setState (window, NormalState);
                if (activatesNew && mapped.insert (window).second)
                {
                    XRaiseWindow (display, window);
                    XSetInputFocus (display, window, RevertToParent, CurrentTime);
                }
            }
            else if (event.type == ConfigureRequest)
            {
                const auto& request = event.xconfigurerequest;
                check (request.window, "configure");
                ++configured[request.window];
                if ((request.value_mask & (CWWidth | CWHeight)) != 0)
                    if (auto& asked = sizes[request.window];
                        asked.isEmpty() ||
                        asked[asked.size() - 1] != sizeText (request.width, request.height))
                        asked.add (sizeText (request.width, request.height));
                XWindowChanges changes{
                    request.x,     request.y,     request.width, request.height, request.border_width,
                    request.above, request.detail
                };
                XConfigureWindow (display, request.window, (unsigned int)(request.value_mask & ~CWSibling),
                                  &changes);
            }
            else if (event.type == ClientMessage && event.xclient.message_type == changeState &&
                     event.xclient.data.l[0] == IconicState)
            {
                setState (event.xclient.window, IconicState);
            }
            else if (event.type == ClientMessage && event.xclient.message_type == activeWindow)
            {
                XRaiseWindow (display, event.xclient.window);
                activationAsked = true;
            }
        }

        // Like metacity: a window restored earlier is shown over the rest, with the keys, only once
        // the program has gone on to raise windows after the restore.
        if (activationAsked)
            for (auto window : std::exchange (owed, {}))
            {
                XRaiseWindow (display, window);
                XSetInputFocus (display, window, RevertToParent, CurrentTime);
            }
        owed.insert (restoredNow.begin(), restoredNow.end());

        ::Window focus = 0;
        int revert = 0;
        XGetInputFocus (display, &focus, &revert);
        if (noFocus != 0 && (focus == root || focus == PointerRoot || focus == None))
            XSetInputFocus (display, noFocus, RevertToPointerRoot, CurrentTime);
        XSync (display, False);
    }

    // Maps the window (NormalState) or iconifies it (IconicState), and says so in its WM_STATE.
    void setState (::Window window, long state)
    {
        if (state == NormalState)
            XMapWindow (display, window);
        else
            XUnmapWindow (display, window);
        if (state == IconicState)
            iconic.insert (window);
        else
            iconic.erase (window);
        long data[] = { state, None };
        XChangeProperty (display, window, wmState, wmState, 32, PropModeReplace, (unsigned char*)data, 2);
        XSync (display, False);
    }

    juce::String hints (::Window window)
    {
        XSizeHints read{};
        long supplied = 0;
        if (window == 0 || ! XGetWMNormalHints (display, window, &read, &supplied))
            return "none";

        auto size = [&] (long flags, int w, int h)
        { return (read.flags & flags) != 0 ? sizeText (w, h) : juce::String ("-"); };
        return "size " + size (USSize | PSize, read.width, read.height) + " min " +
               size (PMinSize, read.min_width, read.min_height) + " max " +
               size (PMaxSize, read.max_width, read.max_height);
    }

    // Windows that can be resized and windows of other programs are none of the test's business.
    void check (::Window window, const char* request)
    {
        auto* peer = X11SymbolPatch::peerOf (window);
        if (peer == nullptr || (peer->getStyleFlags() & juce::ComponentPeer::windowIsResizable) != 0)
            return;

        const auto seen = hints (window);
        if (seen != wholeHints (peer->getComponent()))
            wrongHints.add (peer->getComponent().getName() + ", " + request + ": " + seen);
    }
};

WindowManagerStandIn::WindowManagerStandIn()
    : connection (std::make_unique<Connection>())
{
    XSelectInput (connection->display, connection->root, SubstructureRedirectMask | SubstructureNotifyMask);
    XSync (connection->display, False);
}

WindowManagerStandIn::~WindowManagerStandIn() = default;

bool WindowManagerStandIn::isManaging() const
{
    XWindowAttributes root{};
    XGetWindowAttributes (connection->display, connection->root, &root);
    return (root.your_event_mask & SubstructureRedirectMask) != 0;
}

bool WindowManagerStandIn::runUntil (const std::function<bool()>& condition, int timeoutMs)
{
    return testutil::runLoopUntil (
        [&]
        {
            connection->serve();
            return condition();
        },
        timeoutMs);
}

juce::StringArray WindowManagerStandIn::takeWrongHints (const juce::Array<juce::Component*>& windows)
{
    for (auto* window : windows)
        connection->check (handleOf (*window), "now");
    return std::exchange (connection->wrongHints, {});
}

void WindowManagerStandIn::minimise (juce::Component& window)
{
    connection->setState (handleOf (window), IconicState);
}

void WindowManagerStandIn::activateRestoredWindowsLate() { connection->activatesRestoredLate = true; }

void WindowManagerStandIn::activateNewWindows() { connection->activatesNew = true; }

void WindowManagerStandIn::holdKeysThatFallToTheDesktop()
{
    auto& c = *connection;
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    c.noFocus = XCreateWindow (c.display, c.root, -100, -100, 1, 1, 0, 0, InputOnly, CopyFromParent,
                               CWOverrideRedirect, &attributes);
    XMapWindow (c.display, c.noFocus);
    XSync (c.display, False);
}

bool WindowManagerStandIn::owesActivations() const { return ! connection->owed.empty(); }

void WindowManagerStandIn::restore (juce::Component& window)
{
    connection->setState (handleOf (window), NormalState);
}

void WindowManagerStandIn::activate (juce::Component& window)
{
    XRaiseWindow (connection->display, handleOf (window));
    XSetInputFocus (connection->display, handleOf (window), RevertToParent, CurrentTime);
    XSync (connection->display, False);
}

bool WindowManagerStandIn::isMapped (juce::Component& window)
{
    XWindowAttributes attributes{};
    const auto handle = handleOf (window);
    return handle != 0 && XGetWindowAttributes (connection->display, handle, &attributes) &&
           attributes.map_state == IsViewable;
}

int WindowManagerStandIn::configureRequests (juce::Component& window) const
{
    return connection->configured[handleOf (window)];
}

// The root's children come bottom to top.
bool WindowManagerStandIn::isAbove (juce::Component& upper, juce::Component& lower)
{
    ::Window rootReturn, parent, *children = nullptr;
    unsigned int count = 0;
    XQueryTree (connection->display, connection->root, &rootReturn, &parent, &children, &count);
    const juce::Array<::Window> order (children, (int)count);
    XFree (children);
    return handleOf (upper) != 0 && handleOf (lower) != 0 &&
           order.indexOf (handleOf (upper)) > order.indexOf (handleOf (lower));
}

juce::StringArray WindowManagerStandIn::sizesAsked (juce::Component& window) const
{
    return connection->sizes[handleOf (window)];
}

int WindowManagerStandIn::picturesDropped (juce::Component& window) const
{
    return PictureWatch::dropped[handleOf (window)];
}

void WindowManagerStandIn::restartCounts()
{
    connection->configured.clear();
    PictureWatch::dropped.clear();
}

void WindowManagerStandIn::sendCloseRequests (const juce::Array<juce::Component*>& windows)
{
    Display* display = XOpenDisplay (nullptr);
    const auto protocols = XInternAtom (display, "WM_PROTOCOLS", False);
    const auto deleteWindow = XInternAtom (display, "WM_DELETE_WINDOW", False);
    for (auto* window : windows)
    {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = handleOf (*window);
        event.xclient.message_type = protocols;
        event.xclient.format = 32;
        event.xclient.data.l[0] = (long)deleteWindow;
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent (display, event.xclient.window, False, NoEventMask, &event);
    }
    XSync (display, False);
    XCloseDisplay (display);
}
