#include "model/QueueASyncUpdater.h"
#include "support/RunLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace
{
struct Log
{
    juce::CriticalSection lock;
    std::vector<int> entries;
    std::vector<bool> onMessageThread;

    void add (int v)
    {
        const juce::ScopedLock sl (lock);
        entries.push_back (v);
        onMessageThread.push_back (juce::MessageManager::getInstance()->isThisTheMessageThread());
    }

    size_t size()
    {
        const juce::ScopedLock sl (lock);
        return entries.size();
    }
};

struct Recording : ListenerUpdater
{
    Recording (Log& l, int v, std::atomic<int>* alive = nullptr)
        : log (l)
        , value (v)
        , liveCount (alive)
    {
        if (liveCount != nullptr)
            ++*liveCount;
    }
    ~Recording() override
    {
        if (liveCount != nullptr)
            --*liveCount;
    }
    void update() override { log.add (value); }

    Log& log;
    int value;
    std::atomic<int>* liveCount;
};

struct Owner : QueueASyncUpdater
{
    using Ptr = juce::ReferenceCountedObjectPtr<Owner>;
};

// An update that queues a further update on the same queue while the queue drains.
struct Requeueing : ListenerUpdater
{
    Requeueing (Owner& o, Log& l)
        : owner (o)
        , log (l)
    {
    }
    void update() override
    {
        log.add (1);
        owner.queue (new Recording (log, 2), juce::sendNotificationAsync);
        // Not run in this pass: nothing has been logged for it yet.
        log.add (log.size() == 1 ? 10 : -10);
    }
    Owner& owner;
    Log& log;
};
} // namespace

TEST (QueueASyncUpdater, BurstRunsInOrderAfterCallerReturns)
{
    Log log;
    Owner::Ptr owner = new Owner();
    owner->queue (new Recording (log, 1), juce::sendNotification);
    owner->queue (new Recording (log, 2), juce::sendNotificationAsync);
    owner->queue (new Recording (log, 3), juce::sendNotification);
    EXPECT_EQ (log.size(), 0u);

    ASSERT_TRUE (testutil::runLoopUntil ([&] { return log.size() == 3; }));
    EXPECT_EQ (log.entries, (std::vector<int>{ 1, 2, 3 }));
}

TEST (QueueASyncUpdater, UpdateQueuedDuringDrainRunsInNextPass)
{
    Log log;
    Owner owner;
    owner.queue (new Requeueing (owner, log), juce::sendNotificationAsync);
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return log.size() == 3; }));
    EXPECT_EQ (log.entries, (std::vector<int>{ 1, 10, 2 }));
}

TEST (QueueASyncUpdater, DestroyedOwnerRunsNothingAndReleasesAll)
{
    Log log;
    std::atomic<int> alive{ 0 };
    {
        Owner owner;
        for (int i = 0; i < 5; ++i)
            owner.queue (new Recording (log, i, &alive), juce::sendNotificationAsync);
        EXPECT_EQ (alive.load(), 5);
    }
    EXPECT_EQ (alive.load(), 0);
    testutil::runLoopFor (50);
    EXPECT_EQ (log.size(), 0u);
}

TEST (QueueASyncUpdater, SyncRunsBeforeReturnAndSkipsTheList)
{
    Log log;
    std::atomic<int> alive{ 0 };
    Owner owner;
    owner.queue (new Recording (log, 7, &alive), juce::sendNotificationSync);
    EXPECT_EQ (log.entries, (std::vector<int>{ 7 }));
    EXPECT_EQ (alive.load(), 0); // nothing kept a reference
    testutil::runLoopFor (30);
    EXPECT_EQ (log.size(), 1u);
}

TEST (QueueASyncUpdater, OtherThreadsArriveOnMessageThreadInOrder)
{
    Log log;
    Owner owner;
    constexpr int count = 2000;

    std::thread producer (
        [&]
        {
            for (int i = 0; i < count; ++i)
                owner.queue (new Recording (log, i), juce::sendNotificationAsync);
        });

    ASSERT_TRUE (testutil::runLoopUntil ([&] { return log.size() == count; }, 10000));
    producer.join();

    for (int i = 0; i < count; ++i)
    {
        ASSERT_EQ (log.entries[(size_t)i], i);
        ASSERT_TRUE (log.onMessageThread[(size_t)i]);
    }
}
