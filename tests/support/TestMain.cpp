// The one main of every test suite. The thread that runs the tests is JUCE's
// message thread, so tests can post to it and spin its loop (see RunLoop.h).
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

int main (int argc, char** argv)
{
    testing::InitGoogleMock (&argc, argv);
    juce::ScopedJuceInitialiser_GUI juceSystem;
    return RUN_ALL_TESTS();
}
