// JUCE reaches Xlib through its table of function pointers, X11Symbols, filled as its window
// system starts. The program puts a function of its own in place of one of them to see or mend
// what passes; ours calls the one it replaced. Include this after defining
// JUCE_GUI_BASICS_INCLUDE_XHEADERS, before any other include.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#if JUCE_LINUX || JUCE_BSD
#include <utility>

class X11SymbolPatch
{
public:
    // Puts `ours` in the table in place of `slot`'s pointer and answers the one it replaced; null
    // when there is no X display, or ours is in already.
    template <typename Function>
    static Function replace (Function juce::X11Symbols::*slot, Function ours)
    {
        auto* system = juce::XWindowSystem::getInstance(); // loads the table, which would replace ours
        auto* symbols = juce::X11Symbols::getInstanceWithoutCreating();
        if (system->getDisplay() == nullptr || symbols == nullptr || symbols->*slot == ours)
            return nullptr;
        return std::exchange (symbols->*slot, ours);
    }

    // The peer of the program's window with that X window, or null.
    static juce::ComponentPeer* peerOf (::Window window);
};
#endif
