#include "support/JuceAssertionLogger.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

void JuceAssertionLogger::install()
{
    static auto* logger = new JuceAssertionLogger();
    juce::Logger::setCurrentLogger (logger);
}

bool JuceAssertionLogger::isAssertion (const juce::String& message)
{
    return message.startsWith ("JUCE Assertion failure");
}

void JuceAssertionLogger::logMessage (const juce::String& message)
{
    const bool inTest = testing::UnitTest::GetInstance()->current_test_info() != nullptr;

    // In a test the failure report carries the line (a test of the harness expects it silently).
    // Any thread: gtest records a failure from another thread against the running test.
    if (isAssertion (message) && inTest)
        ADD_FAILURE() << message;
    else
        std::fprintf (stderr, "%s\n", message.toRawUTF8());

    // Before the first test or after the last one (JUCE's leak detector runs at static
    // destruction): nothing to pin it on, so the whole run fails.
    if (isAssertion (message) && ! inTest)
    {
        std::fprintf (stderr, "A JUCE assertion outside any test fails the run.\n");
        std::fflush (stderr);
        std::_Exit (EXIT_FAILURE);
    }
}
