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

    void handleAsyncUpdate() override;

private:
    juce::ReferenceCountedArray<ListenerUpdater> pending;
    juce::CriticalSection lock;
};
