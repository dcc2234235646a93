// Turns a JUCE assertion into a failure of the test that hit it. The Debug tree builds JUCE with
// JUCE_LOG_ASSERTIONS, so every failed jassert reaches the current logger as a line; without this
// logger that line only went to standard error, where a passing test's output is never shown.
#pragma once

#include <juce_core/juce_core.h>

class JuceAssertionLogger : public juce::Logger
{
public:
    // Installs one logger for the life of the process; it is never deleted, so that an assertion
    // at static destruction (a leaked object, say) still finds it.
    static void install();

    static bool isAssertion (const juce::String& message);

    void logMessage (const juce::String& message) override;
};
