// Xlib's headers come with JUCE's only on request, and must come before any other include.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include "app/desktop/WindowSizeHints.h"

#include "app/desktop/X11SymbolPatch.h"

#if JUCE_LINUX || JUCE_BSD
namespace
{
// JUCE's X11 peer writes WM_NORMAL_HINTS from two places, its bounds code (position and size
// only) and its constraints code (minimum and maximum), and each write replaces the whole
// property. So after any move, restore, style change or re-made picture only the position and
// size were left, and the window manager let the user resize the window. Every write of JUCE
// goes through this pointer of its symbol table, so each one is made whole here.
juce::X11Symbols::XSetWMNormalHints xlibSetHints = nullptr;

void setWholeHints (::Display* display, ::Window handle, XSizeHints* hints)
{
    auto* peer = X11SymbolPatch::peerOf (handle);
    if (hints == nullptr || peer == nullptr ||
        (peer->getStyleFlags() & juce::ComponentPeer::windowIsResizable) != 0)
    {
        xlibSetHints (display, handle, hints);
        return;
    }

    const auto bounds = juce::Desktop::getInstance().getDisplays().logicalToPhysical (peer->getBounds());
    auto whole = *hints;

    if ((whole.flags & (USPosition | PPosition)) == 0)
    {
        whole.x = bounds.getX();
        whole.y = bounds.getY();
    }
    if ((whole.flags & (USSize | PSize)) == 0)
    {
        whole.width = bounds.getWidth();
        whole.height = bounds.getHeight();
    }

    whole.flags |= USPosition | USSize | PMinSize | PMaxSize;
    whole.min_width = whole.max_width = whole.width;
    whole.min_height = whole.max_height = whole.height;
    xlibSetHints (display, handle, &whole);
}
} // namespace
#endif

void WindowSizeHints::keepFixedSizes()
{
#if JUCE_LINUX || JUCE_BSD
    if (auto replaced = X11SymbolPatch::replace (&juce::X11Symbols::xSetWMNormalHints, &setWholeHints))
        xlibSetHints = replaced;
#endif
}

void WindowSizeHints::prepare (juce::TopLevelWindow& window)
{
    keepFixedSizes();

    // A window taken off the desktop stays visible, and adding it back would map it at once,
    // before its first paint.
    if (! window.isOnDesktop())
    {
        window.setVisible (false);
        window.addToDesktop();
    }

    // JUCE's peer moves its window once more at its first paint: have that paint now, so that
    // the window manager meets the window where and as it will stay when it maps it.
    if (auto* peer = window.getPeer())
    {
        peer->repaint (window.getLocalBounds());
        peer->performAnyPendingRepaintsNow();
    }
}

void WindowSizeHints::show (juce::TopLevelWindow& window, bool bringToFront)
{
    prepare (window);
    window.setVisible (true);

    if (bringToFront)
        window.toFront (true);
}
