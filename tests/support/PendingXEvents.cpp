// Xlib's headers come with JUCE's only on request, and must come before any other include.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include "support/PendingXEvents.h"

#include <juce_gui_basics/juce_gui_basics.h>

// JUCE's own, for hosts that run its loop: no other header brings it.
#include <juce_events/native/juce_linux_EventLoopInternal.h>

namespace
{
::Display* programsDisplay()
{
    auto* system = juce::XWindowSystem::getInstanceWithoutCreating();
    return system != nullptr ? system->getDisplay() : nullptr;
}
} // namespace

void testutil::deliverPendingXEvents()
{
    auto* display = programsDisplay();
    if (display == nullptr)
        return;

    roundTripWithoutReading();
    juce::LinuxEventLoopInternal::invokeEventLoopCallbackForFd (
        juce::X11Symbols::getInstance()->xConnectionNumber (display));
}

void testutil::roundTripWithoutReading()
{
    if (auto* display = programsDisplay())
    {
        juce::XWindowSystemUtilities::ScopedXLock lock;
        juce::X11Symbols::getInstance()->xSync (display, False);
    }
}
