// Xlib's headers come with JUCE's only on request, and must come before any other include.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include "app/desktop/ModifierKeysResync.h"

#include "app/desktop/X11SymbolPatch.h"

#if JUCE_LINUX || JUCE_BSD
namespace
{
// JUCE reads every event through this pointer of its symbol table, on the message thread.
juce::X11Symbols::XNextEvent xlibNextEvent = nullptr;
unsigned int altMask = 0;

// Xlib's KeyPress and KeyRelease event types; JUCE's headers take its name KeyPress for their own.
constexpr int xlibKeyPress = 2;
constexpr int xlibKeyRelease = 3;

// The modifier bit the server gives Alt: which ModN holds it is the keyboard map's choice. JUCE
// finds it the same way.
unsigned int altMaskOf (::Display* display)
{
    auto* x = juce::X11Symbols::getInstance();
    const auto altCode = x->xKeysymToKeycode (display, XK_Alt_L);
    unsigned int mask = 0;
    if (auto* map = x->xGetModifierMapping (display))
    {
        for (int modifier = 0; modifier < 8; ++modifier)
            for (int i = 0; i < map->max_keypermod; ++i)
                if (map->modifiermap[modifier * map->max_keypermod + i] == altCode)
                    mask = 1u << modifier;
        x->xFreeModifiermap (map);
    }
    return mask;
}

int nextEvent (::Display* display, XEvent* event)
{
    const auto result = xlibNextEvent (display, event);

    if (event->type == MappingNotify)
        altMask = altMaskOf (display);

    // The state is that from just before this key: JUCE then adds or removes a modifier key itself.
    if (event->type == xlibKeyPress || event->type == xlibKeyRelease)
    {
        const auto state = event->xkey.state;
        int held = 0;
        if ((state & ShiftMask) != 0)
            held |= juce::ModifierKeys::shiftModifier;
        if ((state & ControlMask) != 0)
            held |= juce::ModifierKeys::ctrlModifier;
        if (altMask != 0 && (state & altMask) != 0)
            held |= juce::ModifierKeys::altModifier;

        // JUCE tells the key's window of a change only when the key itself makes it, so a
        // correction is told here, as JUCE tells one.
        auto& current = juce::ModifierKeys::currentModifiers;
        const auto corrected =
            current.withoutFlags (juce::ModifierKeys::allKeyboardModifiers).withFlags (held);
        if (std::exchange (current, corrected) != corrected)
            if (auto* peer = X11SymbolPatch::peerOf (event->xkey.window))
                peer->handleModifierKeysChange();
    }
    return result;
}
} // namespace
#endif

void ModifierKeysResync::install()
{
#if JUCE_LINUX || JUCE_BSD
    auto* display = juce::XWindowSystem::getInstance()->getDisplay();
    if (display == nullptr)
        return;

    {
        juce::XWindowSystemUtilities::ScopedXLock lock;
        altMask = altMaskOf (display);
    }
    if (auto replaced = X11SymbolPatch::replace (&juce::X11Symbols::xNextEvent, &nextEvent))
        xlibNextEvent = replaced;
#endif
}
