// Xlib's headers come with JUCE's only on request, and must come before any other include.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include "support/PendingXEvents.h"

#include <juce_gui_basics/juce_gui_basics.h>

// JUCE's own, for hosts that run its loop: no other header brings it.
#include <juce_events/native/juce_linux_EventLoopInternal.h>

void testutil::deliverPendingXEvents()
{
    auto* system = juce::XWindowSystem::getInstanceWithoutCreating();
    auto* display = system != nullptr ? system->getDisplay() : nullptr;
    if (display == nullptr)
        return;

    auto* x = juce::X11Symbols::getInstance();
    {
        juce::XWindowSystemUtilities::ScopedXLock lock;
        x->xSync (display, False);
    }
    juce::LinuxEventLoopInternal::invokeEventLoopCallbackForFd (x->xConnectionNumber (display));
}
