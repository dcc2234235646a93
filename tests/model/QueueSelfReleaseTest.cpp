// An owner whose last reference sits in one of its own pending updaters: the drain that
// releases that updater destroys the owner, and must not touch the queue afterwards.
#include "model/QueueASyncUpdater.h"
#include "support/RunLoop.h"

#include <gtest/gtest.h>

namespace
{
struct SelfHeldOwner : QueueASyncUpdater
{
    using Ptr = juce::ReferenceCountedObjectPtr<SelfHeldOwner>;
    ~SelfHeldOwner() override { *destroyed = true; }
    bool* destroyed = nullptr;
};

struct HoldsOwner : ListenerUpdater
{
    HoldsOwner (SelfHeldOwner::Ptr o, int& c)
        : owner (o)
        , calls (c)
    {
    }
    void update() override { ++calls; }
    SelfHeldOwner::Ptr owner;
    int& calls;
};
} // namespace

TEST (QueueASyncUpdater, AnOwnerReleasedByItsOwnDrainIsDestroyedSafely)
{
    bool destroyed = false;
    int calls = 0;
    {
        SelfHeldOwner::Ptr owner = new SelfHeldOwner();
        owner->destroyed = &destroyed;
        owner->queue (new HoldsOwner (owner, calls), juce::sendNotificationAsync);
        owner->queue (new HoldsOwner (owner, calls), juce::sendNotificationAsync);
    }
    EXPECT_FALSE (destroyed) << "the pending updaters keep it alive";

    ASSERT_TRUE (testutil::runLoopUntil ([&] { return destroyed; }, 2000));
    EXPECT_EQ (calls, 2);
}
