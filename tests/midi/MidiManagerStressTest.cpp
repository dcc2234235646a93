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
    for (auto name : { "Steady", "Flaky" })
        manager->openInputDevice (name);
    manager->openOutputDevice ("Out");

    std::atomic<bool> feeding{ true };
    std::thread feeder (
        [&]
        {
            for (int i = 0; i < numMessages; ++i)
            {
                layer->sendFromInput (steady, juce::MidiMessage::noteOn (1, 1, (juce::uint8)1));
                layer->sendFromInput (flaky, juce::MidiMessage::noteOn (1, 2, (juce::uint8)1));
                if (i % 64 == 0)
                    std::this_thread::yield();
            }
            feeding = false;
        });

    int cycles = 0;
    for (; feeding || ! layer->isIdle(); ++cycles)
    {
        listeners.emplace_back();
        manager->addListener (&listeners.back());

        layer->removePort (flaky); // unplugged and replugged, each noticed by the poll
        manager->timerCallback();
        flaky = layer->addInput ("Flaky");
        manager->timerCallback();

        manager->sendMessageToAllOutputs (juce::MidiMessage::noteOff (1, 1));
        manager->closeInputDevice ("Flaky");
        manager->openInputDevice ("Flaky");
        testutil::runLoopFor (1);
    }
    feeder.join();
    testutil::runLoopFor (60); // the last reconnect event

    EXPECT_EQ (listeners.front().fromSteady, numMessages);
    // A listener hears every message delivered after it was added, so none hears more than
    // one added before it.
    for (size_t i = 1; i < listeners.size(); ++i)
    {
        EXPECT_LE (listeners[i].fromSteady, listeners[i - 1].fromSteady) << i;
        EXPECT_LE (listeners[i].fromFlaky, listeners[i - 1].fromFlaky) << i;
    }
    EXPECT_EQ (sent, cycles);
    EXPECT_GT (listeners.front().lost, 0);
    EXPECT_EQ (listeners.front().lost, listeners.front().back);
    EXPECT_EQ (manager->getOpenInputNames(), juce::StringArray ("Steady", "Flaky"));
    manager = nullptr;
}
