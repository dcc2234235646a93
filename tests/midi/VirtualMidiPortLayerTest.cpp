#include "midi/VirtualMidiPortLayer.h"
#include "support/RunLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>

namespace
{
struct Callback : MidiInputPort::Callback
{
    void handleIncomingMidiMessage (MidiInputPort* source, const juce::MidiMessage&) override
    {
        during (source);
    }
    std::function<void (MidiInputPort*)> during;
};
} // namespace

// stop() waits for a call under way unless that call makes it; an unplugged port goes silent both
// ways, even once a port of its name is plugged in again.
TEST (VirtualMidiPortLayer, StopWaitsForACallUnderWayAndUnpluggedPortsGoSilent)
{
    VirtualMidiPortLayer layer;
    const auto note = juce::MidiMessage::noteOn (1, 1, (juce::uint8)1);
    std::atomic<int> received{ 0 }, selfCalls{ 0 };
    std::atomic<bool> entered{ false }, finished{ false };
    const auto in = layer.addInput ("In");
    const auto out = layer.addOutput ("Out", [&] (const juce::MidiMessage&) { ++received; });
    Callback slow, selfStopping;
    slow.during = [&] (MidiInputPort*)
    {
        entered = true;
        for (const auto end = juce::Time::getMillisecondCounterHiRes() + 100;
             juce::Time::getMillisecondCounterHiRes() < end;)
            std::this_thread::yield();
        finished = true;
    };
    selfStopping.during = [&] (MidiInputPort* self) { ++selfCalls, self->stop(); };
    auto slowPort = layer.openInput (0, slow), selfPort = layer.openInput (0, selfStopping);
    auto output = layer.openOutput (0);
    slowPort->start();
    selfPort->start();

    layer.sendFromInput (in, note);
    layer.sendFromInput (in, note);
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return entered.load(); }));
    slowPort->stop();
    EXPECT_TRUE (finished);
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return layer.isIdle(); }));
    EXPECT_EQ (selfCalls, 1);

    output->sendMessageNow (note);
    slowPort->start();
    layer.removePort (out);
    layer.removePort (in);
    layer.addOutput ("Out", [&] (const juce::MidiMessage&) { ++received; });
    const auto in2 = layer.addInput ("In");
    output->sendMessageNow (note);
    layer.sendFromInput (in, note);
    layer.sendFromInput (in2, note);
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return layer.isIdle(); }));
    EXPECT_EQ (received, 1);
    EXPECT_EQ (selfCalls, 1);
}
