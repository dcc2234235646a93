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
    ++numQueued;
    triggerAsyncUpdate();
}

void QueueASyncUpdater::handleAsyncUpdate()
{
    // A listener may drop the last outside reference to the owner during its call, and an updater
    // may hold the owner itself (a dragged view telling of its own drag). So while counted
    // references own us, the outermost drain holds one more, and the updaters that ran are
    // released only when it ends; the owner may then go, as the last thing this call does.
    juce::ReferenceCountedObjectPtr<juce::ReferenceCountedObject> owner;
    juce::ReferenceCountedArray<ListenerUpdater> finished;
    const bool outermost = drainDepth == 0;

    if (outermost && getReferenceCount() > 0)
    {
        owner = this;
        drainHoldsOwner = true;
    }

    struct Depth
    {
        explicit Depth (int& d)
            : depth (++d)
        {
        }
        ~Depth() { --depth; }
        int& depth;
    } depth (drainDepth);

    juce::uint64 end;
    {
        const juce::ScopedLock sl (lock);
        end = numQueued; // what an update queues waits for the next pass
    }

    for (;;)
    {
        // Released by everyone else: like a destroyed owner, it calls nobody any more.
        if (drainHoldsOwner && getReferenceCount() == 1)
            break;

        ListenerUpdater::Ptr updater;
        {
            const juce::ScopedLock sl (lock);
            // A nested drain may have run entries of this pass already; they are gone from the list.
            if (numTaken >= end || pending.isEmpty())
                break;

            updater = pending.removeAndReturn (0);
            ++numTaken;
        }

        updater->update();
        ran.add (updater);
    }

    if (outermost)
    {
        finished.swapWith (ran);
        drainHoldsOwner = false;
    }
}
