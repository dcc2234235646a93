// Helpers that let a test wait for something the message loop will do, without sleeping blind.
#pragma once

#include <juce_events/juce_events.h>

#include <functional>

namespace testutil
{
// Runs the message loop until `condition` holds or `timeoutMs` passes; answers whether it held.
inline bool runLoopUntil (const std::function<bool()>& condition, int timeoutMs = 5000)
{
    auto* mm = juce::MessageManager::getInstance();
    const auto end = juce::Time::getMillisecondCounterHiRes() + timeoutMs;

    while (! condition())
    {
        if (juce::Time::getMillisecondCounterHiRes() >= end)
            return condition();

        mm->runDispatchLoopUntil (5);
    }
    return true;
}

// Runs the message loop for a fixed time, for tests that check that nothing happens.
inline void runLoopFor (int milliseconds)
{
    runLoopUntil ([] { return false; }, milliseconds);
}
} // namespace testutil
