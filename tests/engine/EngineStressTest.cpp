// Sends, requests, replies, stray messages and time-outs interleaved, and engines destroyed while
// replies still arrive. Meant for the thread and address sanitizers as much as for its own checks.
#include "EngineTestSupport.h"

#include <atomic>
#include <map>
#include <thread>

namespace
{
// Stray acknowledgements and parameter data from a thread of its own, until it is destroyed.
struct Noise
{
    Noise (VirtualMidiPortLayer& layer, VirtualMidiPortLayer::PortId port, int count)
        : thread (
              [&layer, port, count, this]
              {
                  const Bytes parameters{ 0xF0, 0x47, 0x00, 0x35, 0x34, 0x00, 0x0E,
                                          0x03, 0x00, 0x01, 0x05, 0x10, 0x03, 0xF7 };
                  for (int i = 0; i < count && ! stopping; ++i, std::this_thread::yield())
                      layer.sendFromInput (port, messageOf (i % 2 == 0 ? acknowledgement : parameters));
              })
    {
    }
    ~Noise()
    {
        stopping = true;
        thread.join();
    }

    std::atomic<bool> stopping{ false };
    std::thread thread;
};
} // namespace

TEST_F (EngineTest, InterleavedTrafficAndTimeOutsStayOnTheMessageThread)
{
    openDevicePorts();
    engine->setReplyTimeout (30);
    juce::Random random (571);
    std::vector<QRX571EditorPreset::Ptr> sent; // kept, so that each address stays its own
    {
        Noise noise (*layer, injector(), 3000);
        for (int i = 0; i < 100; ++i)
        {
            device.setReplyDelay (random.nextInt (60)); // either side of the time-out
            sent.push_back (namedPreset ("S" + juce::String (i)));
            engine->sendPreset (i % 21, sent.back());
            engine->requestPreset (i % 21, namedPreset ("R"));
            if (i % 7 == 0)
                engine->requestGlobalSettings();
            testutil::runLoopFor (random.nextInt (15));
        }
    }
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return device.isIdle() && layer->isIdle(); }, 30000));
    testutil::runLoopFor (200);

    // Each send and each request answered or timed out, exactly once (stray acknowledgements add
    // send results without a preset).
    int requestResults = 0;
    std::map<QRX5EditorPreset*, int> sendResults;
    for (auto& [kind, code, preset] : results.outcomes)
    {
        EXPECT_TRUE (code == 1 || code == 2) << code;
        ++(kind == 'r' ? requestResults : sendResults[preset]);
    }
    EXPECT_EQ (requestResults, 100);
    for (auto& preset : sent)
        EXPECT_EQ (sendResults[preset.get()], 1) << preset->getName();
}

// Each engine is released at some point of its exchange; once it is gone it speaks no more.
TEST_F (EngineTest, EnginesComeAndGoWhileRepliesArrive)
{
    openDevicePorts();
    engine = nullptr; // only the engines below report to `results`
    Noise noise (*layer, injector(), 20000);
    for (int i = 0; i < 30; ++i)
    {
        TestEngine::Ptr shortLived = new TestEngine (manager);
        shortLived->setReplyTimeout (5);
        shortLived->addListener (&results);
        shortLived->sendPreset (0, namedPreset ("Brief"));
        shortLived->requestPreset (1, namedPreset ("Brief"));
        testutil::runLoopFor (i % 4);

        const auto heard = results.outcomes.size();
        shortLived = nullptr;
        testutil::runLoopFor (10); // past its time-outs
        EXPECT_EQ (results.outcomes.size(), heard) << "engine " << i << " spoke after its release";
    }
    for (auto& [kind, code, preset] : results.outcomes)
        EXPECT_TRUE (code == 1 || code == 2) << kind << code; // the ports were open throughout
}
