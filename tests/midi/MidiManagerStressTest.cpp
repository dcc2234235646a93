// The MIDI input thread delivering a flood of messages while the message thread adds listeners,
// sends, and polls ports away and back. Run under ThreadSanitizer too.
#include "midi/MidiManager.h"
#include "midi/VirtualMidiPortLayer.h"
#include "support/RunLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <deque>
#include <thread>

namespace
{
struct CountingListener : MidiManager::Listener
{
    void handleIncomingMidiMessage (MidiInputPort*, const juce::MidiMessage& message) override
    {
        (message.getNoteNumber() == 1 ? fromSteady : fromFlaky)++;
    }

    void inputDevicesDisconnected (const juce::StringArray&) override { ++lost; }
    void inputDevicesReconnected (const juce::StringArray&) override { ++back; }

    std::atomic<int> fromSteady{ 0 }, fromFlaky{ 0 };
    int lost = 0, back = 0;
};
} // namespace

TEST (MidiManagerStress, DeliveryStaysWholeWhileListenersAndPortsChange)
{
    constexpr int numMessages = 4000;

    auto layer = std::make_shared<VirtualMidiPortLayer>();
    std::deque<CountingListener> listeners (1);
    MidiManager::Ptr manager = new MidiManager (layer);
    manager->addListener (&listeners.front());

    const auto steady = layer->addInput ("Steady");
    std::atomic<VirtualMidiPortLayer::PortId> flaky{ layer->addInput ("Flaky") };
    std::atomic<int> sent{ 0 };
    layer->addOutput ("Out", [&] (const juce::MidiMessage&) { ++sent; });
    manager->openInputDevice ("Steady");
    manager->openInputDevice ("Flaky");
    manager->openOutputDevice ("Out");

    std::atomic<bool> feeding{ true };
    std::thread feeder (
        [&]
        {
            const auto steadyNote = juce::MidiMessage::noteOn (1, 1, (juce::uint8)1);
            const auto flakyNote = juce::MidiMessage::noteOn (1, 2, (juce::uint8)1);

            for (int i = 0; i < numMessages; ++i)
            {
                layer->sendFromInput (steady, steadyNote);
                layer->sendFromInput (flaky, flakyNote);

                if (i % 64 == 0)
                    std::this_thread::yield();
            }
            feeding = false;
        });

    int cycles = 0;
    while (feeding || ! layer->isIdle())
    {
        listeners.emplace_back();
        manager->addListener (&listeners.back());

        // Unplug and replug the flaky port, each noticed by the poll.
        layer->removePort (flaky);
        manager->timerCallback();
        flaky = layer->addInput ("Flaky");
        manager->timerCallback();

        manager->sendMessageToAllOutputs (juce::MidiMessage::noteOff (1, 1));
        manager->closeInputDevice ("Flaky");
        manager->openInputDevice ("Flaky");
        testutil::runLoopFor (1);
        ++cycles;
    }
    feeder.join();
    testutil::runLoopFor (60); // the last reconnect event

    EXPECT_EQ (listeners.front().fromSteady, numMessages);
    EXPECT_LE (listeners.front().fromFlaky, numMessages);
    EXPECT_EQ (sent, cycles);
    EXPECT_GT (listeners.front().lost, 0);
    EXPECT_EQ (listeners.front().lost, listeners.front().back);
    EXPECT_TRUE (manager->isInputOpen ("Flaky"));
    EXPECT_EQ (manager->getNumOpenInputs(), 2);

    manager = nullptr;
}
