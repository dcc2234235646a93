#include "model/QueueASyncUpdater.h"
#include "support/RunLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>

namespace
{
std::atomic<int> liveUpdaters{ 0 };
using Log = std::vector<std::pair<int, int>>; // {value, drain pass}; updates run on the message thread

struct Owner : QueueASyncUpdater
{
    void handleAsyncUpdate() override
    {
        ++passes;
        QueueASyncUpdater::handleAsyncUpdate();
    }
    int passes = 0;
};

struct Recording : ListenerUpdater
{
    Recording (Log& l, Owner& o, int v, std::function<void()> then = {})
        : log (l)
        , owner (o)
        , value (v)
        , after (std::move (then))
    {
        ++liveUpdaters;
    }
    ~Recording() override { --liveUpdaters; }
    void update() override
    {
        EXPECT_TRUE (juce::MessageManager::existsAndIsCurrentThread());
        log.push_back ({ value, owner.passes });
        if (after)
            after();
    }
    Log& log;
    Owner& owner;
    int value;
    std::function<void()> after;
};
} // namespace

TEST (QueueASyncUpdater, BurstRunsLaterInOrderAndWhatADrainQueuesWaitsForTheNextPass)
{
    Log log;
    Owner owner;
    auto queueFour = [&] { owner.queue (new Recording (log, owner, 4), juce::sendNotificationAsync); };
    owner.queue (new Recording (log, owner, 1), juce::sendNotification);
    owner.queue (new Recording (log, owner, 2, queueFour), juce::sendNotificationAsync);
    owner.queue (new Recording (log, owner, 3), juce::sendNotification);
    EXPECT_TRUE (log.empty());

    ASSERT_TRUE (testutil::runLoopUntil ([&] { return log.size() == 4; }));
    EXPECT_EQ (log, (Log{ { 1, 1 }, { 2, 1 }, { 3, 1 }, { 4, 2 } }));
    EXPECT_EQ (liveUpdaters, 0);
}

TEST (QueueASyncUpdater, SyncRunsAtOnceAndADestroyedOwnerRunsNothingPending)
{
    Log log;
    {
        Owner owner;
        owner.queue (new Recording (log, owner, 7), juce::sendNotificationSync);
        EXPECT_EQ (log, (Log{ { 7, 0 } }));
        EXPECT_EQ (liveUpdaters, 0) << "a sync update is not kept";
        for (int i = 0; i < 5; ++i)
            owner.queue (new Recording (log, owner, i), juce::sendNotificationAsync);
        EXPECT_EQ (liveUpdaters, 5);
    }
    EXPECT_EQ (liveUpdaters, 0);
    testutil::runLoopFor (50);
    EXPECT_EQ (log.size(), 1u);
}
