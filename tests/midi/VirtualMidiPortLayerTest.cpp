#include "midi/VirtualMidiPortLayer.h"
#include "support/RunLoop.h"

#include <gtest/gtest.h>

#include <atomic>

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

const auto note = juce::MidiMessage::noteOn (1, 1, (juce::uint8)1);
} // namespace

TEST (VirtualMidiPortLayer, StopWaitsForACallUnderWayOrIsCalledFromIt)
{
    VirtualMidiPortLayer layer;
    const auto in = layer.addInput ("In");
    std::atomic<bool> entered{ false }, finished{ false };
    Callback slow, selfStopping;
    slow.during = [&] (MidiInputPort*)
    {
        entered = true;
        const auto end = juce::Time::getMillisecondCounterHiRes() + 100;
        while (juce::Time::getMillisecondCounterHiRes() < end)
            std::this_thread::yield();
        finished = true;
    };
    std::atomic<int> selfCalls{ 0 };
    selfStopping.during = [&] (MidiInputPort* self) { ++selfCalls, self->stop(); };

    auto slowPort = layer.openInput (0, slow);
    auto selfPort = layer.openInput (0, selfStopping);
    slowPort->start();
    selfPort->start();
    layer.sendFromInput (in, note);
    layer.sendFromInput (in, note);

    ASSERT_TRUE (testutil::runLoopUntil ([&] { return entered.load(); }));
    slowPort->stop();
    EXPECT_TRUE (finished);
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return layer.isIdle(); }));
    EXPECT_EQ (selfCalls, 1);
}

TEST (VirtualMidiPortLayer, UnpluggedPortsGoSilentBothWaysEvenWhenReplugged)
{
    VirtualMidiPortLayer layer;
    int received = 0, calls = 0;
    const auto out = layer.addOutput ("Out", [&] (const juce::MidiMessage&) { ++received; });
    const auto in = layer.addInput ("In");
    Callback counting;
    counting.during = [&] (MidiInputPort*) { ++calls; };
    auto output = layer.openOutput (0);
    auto input = layer.openInput (0, counting);
    input->start();

    output->sendMessageNow (note);
    layer.removePort (out);
    layer.removePort (in);
    layer.addOutput ("Out", [&] (const juce::MidiMessage&) { ++received; });
    const auto in2 = layer.addInput ("In");
    output->sendMessageNow (note);
    layer.sendFromInput (in, note);
    layer.sendFromInput (in2, note);
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return layer.isIdle(); }));

    EXPECT_EQ (received, 1);
    EXPECT_EQ (calls, 0);
}
