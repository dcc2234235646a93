#include "app/desktop/WindowPictureKeeper.h"

WindowPictureKeeper::WindowPictureKeeper()
{
#if JUCE_LINUX || JUCE_BSD
    startTimer (1000);
#endif
}

WindowPictureKeeper::~WindowPictureKeeper() { stopTimer(); }

// With nothing waiting to be painted the peer paints nothing, but counts its picture as used.
void WindowPictureKeeper::timerCallback()
{
    auto& desktop = juce::Desktop::getInstance();
    for (int i = 0; i < desktop.getNumComponents(); ++i)
        if (auto* window = desktop.getComponent (i); window != nullptr && window->isShowing())
            if (auto* peer = window->getPeer())
                peer->performAnyPendingRepaintsNow();
}
