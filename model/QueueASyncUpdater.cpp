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
    const juce::ScopedLock sl (lock);

    // Only what was pending when the drain began runs now; anything an update queues
    // lands behind it and runs in the next pass, which its own trigger has asked for.
    const int n = pending.size();
    for (int i = 0; i < n; ++i)
    {
        ListenerUpdater::Ptr updater = pending[i];
        updater->update();
    }

    pending.removeRange (0, n);
}
