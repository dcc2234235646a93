// Xlib's headers come with JUCE's only on request, and must come before any other include.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include "app/WindowSizeHints.h"

void WindowSizeHints::show (juce::TopLevelWindow& window, bool bringToFront)
{
    // A window taken off the desktop stays visible, and adding it back would map it at once,
    // before its hints are written.
    if (! window.isOnDesktop())
    {
        window.setVisible (false);
        window.addToDesktop();
    }

    // JUCE's peer moves its window once more at its first paint, which leaves only the position
    // and size in the hints again: have that paint now, before the hints and the map.
    if (auto* peer = window.getPeer())
    {
        peer->repaint (window.getLocalBounds());
        peer->performAnyPendingRepaintsNow();
    }

    write (window);
    window.setVisible (true);

    if (bringToFront)
        window.toFront (true);
}

void WindowSizeHints::write ([[maybe_unused]] juce::Component& window)
{
#if JUCE_LINUX || JUCE_BSD
    // JUCE's X11 peer writes the property from two places, its bounds code (position and size)
    // and its constraints code (minimum and maximum), and each write replaces the whole of it:
    // after a move only the position and size are left, and a window manager that maps the
    // window then may give it a size of its own choosing. So write all of it here, last.
    auto* peer = window.getPeer();
    auto* x11 = juce::XWindowSystem::getInstanceWithoutCreating();
    auto* display = x11 != nullptr ? x11->getDisplay() : nullptr;

    if (peer == nullptr || display == nullptr || &peer->getComponent() != &window)
        return;

    const auto handle = (::Window)peer->getNativeHandle();
    const auto bounds = juce::Desktop::getInstance().getDisplays().logicalToPhysical (peer->getBounds());
    const bool fixedSize = (peer->getStyleFlags() & juce::ComponentPeer::windowIsResizable) == 0;

    juce::XWindowSystemUtilities::ScopedXLock xLock;
    auto* hints = XAllocSizeHints();
    if (hints == nullptr)
        return;

    long supplied = 0;
    if (XGetWMNormalHints (display, handle, hints, &supplied) == 0) // keeps a resizable window's limits
        hints->flags = 0;

    hints->flags |= USPosition | USSize;
    hints->x = bounds.getX();
    hints->y = bounds.getY();
    hints->width = bounds.getWidth();
    hints->height = bounds.getHeight();

    if (fixedSize)
    {
        hints->flags |= PMinSize | PMaxSize;
        hints->min_width = hints->max_width = bounds.getWidth();
        hints->min_height = hints->max_height = bounds.getHeight();
    }

    XSetWMNormalHints (display, handle, hints);
    XFree (hints);
    XSync (display, False); // in place before the map that follows
#endif
}
