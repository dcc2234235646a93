// Xlib's headers come with JUCE's only on request, and must come before any other include.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include "app/desktop/X11SymbolPatch.h"

#if JUCE_LINUX || JUCE_BSD
juce::ComponentPeer* X11SymbolPatch::peerOf (::Window window)
{
    for (int i = 0; i < juce::ComponentPeer::getNumPeers(); ++i)
        if (auto* peer = juce::ComponentPeer::getPeer (i); (::Window)peer->getNativeHandle() == window)
            return peer;
    return nullptr;
}
#endif
