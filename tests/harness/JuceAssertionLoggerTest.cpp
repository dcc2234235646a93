// The test harness itself: a JUCE assertion, on the test's thread or another, fails the test.
#include "support/JuceAssertionLogger.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <thread>

namespace
{
#if JUCE_LOG_ASSERTIONS
void failAnAssertion() { jassertfalse; }

TEST (JuceAssertionLoggerTest, AnAssertionOnAnyThreadFailsTheRunningTest)
{
    EXPECT_NONFATAL_FAILURE (failAnAssertion(), "JUCE Assertion failure in JuceAssertionLoggerTest.cpp");
    EXPECT_NONFATAL_FAILURE_ON_ALL_THREADS (std::thread (failAnAssertion).join(),
                                            "JUCE Assertion failure in JuceAssertionLoggerTest.cpp");

    // An assertion that holds says nothing.
    jassert (true);
}
#endif

TEST (JuceAssertionLoggerTest, OtherLinesAreNoFailures)
{
    EXPECT_TRUE (JuceAssertionLogger::isAssertion ("JUCE Assertion failure in juce_Component.cpp:2990"));
    EXPECT_FALSE (JuceAssertionLogger::isAssertion ("Preset sent"));
    juce::Logger::writeToLog ("a line that is not an assertion");
}
} // namespace
