#include "QueueASyncUpdater.h"

QueueASyncUpdater::~QueueASyncUpdater()
{
    cancelPendingUpdate();

    while (isUpdatePending())
        juce::Thread::yield();

    const juce::ScopedLock sl (lock);
    pending.clear();
}

void QueueASyncUpdater::queue (const ListenerUpdater::Ptr& updater, juce::NotificationType notification)
{
    if (updater == nullptr)
        return;

    if (notification == juce::sendNotificationSync)
    {
        updater->update();
        return;
    }

    const juce::ScopedLock sl (lock);
    pending.add (updater);
    triggerAsyncUpdate();
}

void QueueASyncUpdater::handleAsyncUpdate()
{
    // An updater may hold the last reference to the very object that owns this queue (a
    // dragged control view telling of its own drag, say). The drained updaters are therefore
    // released only after the lock is left, as the last thing this call does, because that
    // release may destroy the queue.
    juce::ReferenceCountedArray<ListenerUpdater> drained;

    {
        const juce::ScopedLock sl (lock);

        // Only what was pending when the drain began runs now; anything an update queues
        // lands behind it and runs in the next pass, which its own trigger has asked for.
        const int n = pending.size();
        for (int i = 0; i < n; ++i)
        {
            ListenerUpdater::Ptr updater = pending[i];
            updater->update();
            drained.add (updater);
        }

        pending.removeRange (0, n);
    }
}
