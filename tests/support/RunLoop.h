// Helpers that let a test wait for something the message loop will do, without sleeping blind.
#pragma once

#include <juce_events/juce_events.h>

#include <functional>
#include <memory>

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

// Runs the message loop until every message posted before this call has been delivered (they come
// in the order they were posted), however slow the machine; each further round delivers what the
// round before posted, so a chain of that many notifications (a value's change telling a view,
// whose write tells the model, ...) has landed. For checks that something on its way came or
// changed nothing.
inline bool deliverPostedMessages (int rounds = 3, int timeoutMs = 5000)
{
    for (int i = 0; i < rounds; ++i)
    {
        auto delivered = std::make_shared<bool> (false);
        juce::MessageManager::callAsync ([delivered] { *delivered = true; });
        if (! runLoopUntil ([delivered] { return *delivered; }, timeoutMs))
            return false;
    }
    return true;
}

// Runs the message loop for a fixed time, for tests that check that nothing happens.
inline void runLoopFor (int milliseconds)
{
    runLoopUntil ([] { return false; }, milliseconds);
}
} // namespace testutil
