// Sends, requests, replies, stray messages and time-outs interleaved from several threads, and
// engines destroyed while replies are still arriving. Meant for the thread and address sanitizers
// as much as for its own checks.
#include "EngineTestSupport.h"

#include <atomic>
#include <thread>

namespace
{
const Bytes strayAcknowledgement{ 0xF0, 0x47, 0x00, 0x35, 0x11, 0x00, 0x00, 0x00, 0x00, 0xF7 };
const Bytes strayParameters{ 0xF0, 0x47, 0x00, 0x35, 0x34, 0x00, 0x0E,
                             0x03, 0x00, 0x01, 0x05, 0x10, 0x03, 0xF7 };

// Feeds stray device messages from a thread of its own until told to stop.
class Noise
{
public:
    Noise (VirtualMidiPortLayer& layer, VirtualMidiPortLayer::PortId port, int count)
        : thread (
              [&layer, port, count, this]
              {
                  juce::Random random (port);
                  for (int i = 0; i < count && ! stopping; ++i)
                  {
                      const auto& bytes = random.nextBool() ? strayAcknowledgement : strayParameters;
                      layer.sendFromInput (port, messageOf (bytes));
                      std::this_thread::yield();
                  }
              })
    {
    }

    ~Noise()
    {
        stopping = true;
        thread.join();
    }

private:
    std::atomic<bool> stopping{ false };
    std::thread thread;
};
} // namespace

TEST_F (EngineTest, InterleavedTrafficAndTimeOutsStayOnTheMessageThread)
{
    openDevicePorts();
    openInjector();
    engine->setReplyTimeout (30);
    juce::Random random (571);
    int sends = 0, requests = 0;

    {
        Noise noise (*layer, injector, 3000);
        for (int i = 0; i < 100; ++i)
        {
            device.setReplyDelay (random.nextInt (60)); // either side of the time-out
            engine->sendPreset (i % 21, namedPreset ("S" + juce::String (i)));
            ++sends;
            engine->requestPreset (i % 21, namedPreset ("R"));
            ++requests;
            if (i % 7 == 0)
                engine->requestGlobalSettings();
            testutil::runLoopFor (random.nextInt (15));
        }
    }

    // The device answers one message at a time, each after its delay.
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return device.isIdle() && layer->isIdle(); }, 30000));
    testutil::runLoopFor (200);

    int sendResults = 0, requestResults = 0;
    for (const auto& r : results)
    {
        EXPECT_TRUE (r.onMessageThread);
        EXPECT_TRUE (r.code == 1 || r.code == 2);
        (r.kind == EngineResult::send ? sendResults : requestResults)++;
    }
    // Stray acknowledgements add send results; nothing adds request results.
    EXPECT_GT (sendResults, 0);
    EXPECT_GT (requestResults, 0);
    EXPECT_LE (requestResults, requests);
}

TEST_F (EngineTest, EnginesComeAndGoWhileRepliesArrive)
{
    openDevicePorts();
    openInjector();
    Noise noise (*layer, injector, 20000);

    for (int i = 0; i < 30; ++i)
    {
        TestEngine::Ptr shortLived = new TestEngine (manager);
        shortLived->setReplyTimeout (5);
        shortLived->addListener (&listener);
        shortLived->sendPreset (0, namedPreset ("Brief"));
        shortLived->requestPreset (1, namedPreset ("Brief"));
        testutil::runLoopFor (i % 4);
        shortLived->removeListener (&listener);
    }

    engine = nullptr;
    testutil::runLoopFor (20);
    for (const auto& r : results)
        EXPECT_TRUE (r.onMessageThread);
}
