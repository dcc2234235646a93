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
    ~Owner() override
    {
        if (destroyed != nullptr)
            *destroyed = true;
    }
    void handleAsyncUpdate() override
    {
        ++passes;
        QueueASyncUpdater::handleAsyncUpdate();
    }
    int passes = 0;
    bool* destroyed = nullptr;
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

TEST (QueueASyncUpdater, SyncRunsAtOnceAndADestroyedOwnerRunsNothingPendingNorWhenItsOwnDrainReleasesIt)
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
    ASSERT_TRUE (testutil::deliverPostedMessages());
    EXPECT_EQ (log.size(), 1u);

    // An owner whose last references sit in its own pending updaters: the drain that releases them
    // destroys the owner, and must not touch the queue afterwards.
    log.clear();
    bool destroyed = false;
    {
        juce::ReferenceCountedObjectPtr<Owner> owner = new Owner();
        owner->destroyed = &destroyed;
        for (int i : { 1, 2 })
            owner->queue (new Recording (log, *owner, i, [keep = owner] {}), juce::sendNotificationAsync);
    }
    EXPECT_FALSE (destroyed) << "the pending updaters keep it alive";

    ASSERT_TRUE (testutil::runLoopUntil ([&] { return destroyed; }, 2000));
    EXPECT_EQ (log, (Log{ { 1, 1 }, { 2, 1 } }));
}

// A burst runs later, in order, and what a drain queues waits for the next pass; an update that
// runs a nested message loop (a modal box): the nested drain carries on with what follows, and
// nothing runs twice, is lost or changes places.
TEST (QueueASyncUpdater, AnUpdateThatRunsANestedLoopRunsOnceAndKeepsTheOrder)
{
    Log log;
    Owner owner;
    auto modal = [&]
    {
        owner.queue (new Recording (log, owner, 4), juce::sendNotificationAsync);
        juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
        owner.queue (new Recording (log, owner, 5), juce::sendNotificationAsync);
    };
    owner.queue (new Recording (log, owner, 1, modal), juce::sendNotificationAsync);
    owner.queue (new Recording (log, owner, 2), juce::sendNotificationAsync);
    owner.queue (new Recording (log, owner, 3), juce::sendNotification);
    EXPECT_TRUE (log.empty());

    ASSERT_TRUE (testutil::runLoopUntil ([&] { return log.size() >= 5; }));
    ASSERT_TRUE (testutil::deliverPostedMessages());
    EXPECT_EQ (log, (Log{ { 1, 1 }, { 2, 2 }, { 3, 2 }, { 4, 2 }, { 5, 3 } }));
    EXPECT_EQ (liveUpdaters, 0);
}
