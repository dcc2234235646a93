// Runs listener calls on the message thread, in the order they were queued, whatever
// thread queued them. Owners inherit it; each owner has its own queue.
#pragma once

#include "ListenerUpdater.h"

#include <juce_events/juce_events.h>

class QueueASyncUpdater : public virtual juce::ReferenceCountedObject, public virtual juce::AsyncUpdater
{
public:
    // Pending updaters are released unrun: an owner's listeners are never called after it is gone.
    ~QueueASyncUpdater() override;

    // sendNotificationSync runs the updater now, on this thread; anything else queues it.
    void queue (const ListenerUpdater::Ptr& updater, juce::NotificationType notification);

    // Runs what was pending when it began, each once and in order, outside the lock. An update
    // may enter a nested message loop (a modal box), whose drain carries on where this one is.
    void handleAsyncUpdate() override;

private:
    juce::ReferenceCountedArray<ListenerUpdater> pending;
    juce::uint64 numQueued = 0, numTaken = 0; // ever; the first pending entry is number numTaken
    juce::CriticalSection lock;

    // Message thread only.
    int drainDepth = 0;
    bool drainHoldsOwner = false;
    juce::ReferenceCountedArray<ListenerUpdater> ran; // released when the outermost drain ends
};
