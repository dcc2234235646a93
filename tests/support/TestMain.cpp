// The one main of every test suite. The thread that runs the tests is JUCE's
// message thread, so tests can post to it and spin its loop (see RunLoop.h). A JUCE assertion
// fails the test that hit it (see JuceAssertionLogger.h).
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdlib>

#include "support/JuceAssertionLogger.h"

#if JUCE_LINUX
#include "support/WindowManagerAtoms.h"
#endif

int main (int argc, char** argv)
{
    testing::InitGoogleMock (&argc, argv);
    JuceAssertionLogger::install();

#if JUCE_LINUX
    internWindowManagerAtoms();
#endif

    juce::ScopedJuceInitialiser_GUI juceSystem;
    const int result = RUN_ALL_TESTS();

    // A drag that ended leaves its image flying home on the desktop's animator; JUCE would
    // delete that window after its windowing system is gone, so land it now. Without a
    // display no window was ever made.
    if (std::getenv ("DISPLAY") != nullptr)
        juce::Desktop::getInstance().getAnimator().cancelAllAnimations (false);

    return result;
}
