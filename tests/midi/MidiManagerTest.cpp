#include "RecordingMidiListener.h"
#include "midi/VirtualMidiPortLayer.h"
#include "support/RunLoop.h"

#include <gtest/gtest.h>

namespace
{
const juce::String device ("QRX571 Remote");
const auto note = juce::MidiMessage::noteOn (1, 60, (juce::uint8)100);

struct MidiManagerTest : ::testing::Test
{
    // A receiver counting what an output port is sent (on the sending thread: this one).
    static VirtualMidiPortLayer::Receiver counter (int& count)
    {
        return [&count] (const juce::MidiMessage&) { ++count; };
    }

    void plugDevice()
    {
        in = layer->addInput (device);
        out = layer->addOutput (device, counter (sent));
    }

    void openDevice()
    {
        manager->openInputDevice (device);
        manager->openOutputDevice (device);
    }

    int numOpen() const { return manager->getNumOpenInputs() + manager->getNumOpenOutputs(); }

    RecordingMidiListener listener; // outlives the manager, whose ports go before the layer
    std::shared_ptr<VirtualMidiPortLayer> layer = std::make_shared<VirtualMidiPortLayer>();
    MidiManager::Ptr manager = new MidiManager (layer);
    VirtualMidiPortLayer::PortId in = 0, out = 0;
    int sent = 0;
};
} // namespace

TEST_F (MidiManagerTest, OpensEveryPortOfTheNameOnceAndUsesEach)
{
    plugDevice();
    layer->addInput ("Other");
    const auto in2 = layer->addInput (device);
    int sent2 = 0, sentOther = 0;
    layer->addOutput ("Other", counter (sentOther));
    layer->addOutput (device, counter (sent2));

    // Listeners are called on the input thread, each once however often it was added.
    for (auto* l : { &listener, &listener, static_cast<RecordingMidiListener*> (nullptr) })
        manager->addListener (l);

    openDevice();
    openDevice(); // already open: nothing more
    EXPECT_EQ (manager->getOpenInputNames(), juce::StringArray (device, device));
    EXPECT_EQ (manager->getOpenOutputNames(), juce::StringArray (device, device));
    EXPECT_EQ (layer->getNumOpenPorts (in) + layer->getNumOpenPorts (in2), 2);

    manager->sendMessageToAllOutputs (note);
    EXPECT_EQ (std::make_tuple (sent, sent2, sentOther), std::make_tuple (1, 1, 0));

    layer->sendFromInput (in, note);
    layer->sendFromInput (in2, note);
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return listener.numMessages() == 2 && layer->isIdle(); }));
    EXPECT_NE (listener.getMessages()[0].first, listener.getMessages()[1].first);
    EXPECT_FALSE (listener.heardOnMessageThread);

    manager->closeOutputDevice (device);
    manager->closeInputDevice (device);
    EXPECT_EQ (numOpen(), 0);
    EXPECT_EQ (layer->getNumOpenPorts (in) + layer->getNumOpenPorts (out), 0);
}

TEST_F (MidiManagerTest, UnknownAndFailingPortsOpenNothingAndNothingThrows)
{
    // (Ports that fail to open without throwing are the reopen test's.)
    using B = VirtualMidiPortLayer::OpenBehaviour;
    layer->addInput ("Throws", B::throwsOnOpen);
    layer->addOutput ("Throws", {}, B::throwsOnOpen);
    const auto good = layer->addInput ("Throws"); // a working port of the same name still opens

    for (auto name : { "Throws", "Nobody" })
    {
        EXPECT_NO_THROW (manager->openInputDevice (name));
        EXPECT_NO_THROW (manager->openOutputDevice (name));
    }
    EXPECT_EQ (manager->getOpenInputNames(), juce::StringArray ("Throws"));
    EXPECT_EQ (layer->getNumOpenPorts (good), 1);
    EXPECT_EQ (manager->getNumOpenOutputs(), 0);
    EXPECT_NO_THROW (manager->sendMessageToAllOutputs (note));
}

// Both of the device's ports and a second input vanish, then all come back: one poll for each.
TEST_F (MidiManagerTest, UnplugReplugCloseAllAndDestruction)
{
    plugDevice();
    auto other = layer->addInput ("Other");
    manager->addListener (&listener);
    openDevice();
    manager->openInputDevice ("Other");

    for (auto id : { in, out, other })
        layer->removePort (id);
    manager->timerCallback();
    EXPECT_EQ (numOpen(), 0);

    plugDevice();
    other = layer->addInput ("Other");
    manager->timerCallback();
    EXPECT_EQ (manager->getOpenInputNames(), juce::StringArray (device, "Other"));
    EXPECT_EQ (manager->getOpenOutputNames(), juce::StringArray (device));

    testutil::runLoopFor (150); // later polls report nothing more
    EXPECT_EQ (listener.inputLost, juce::StringArray (device + "|Other"));
    EXPECT_EQ (listener.outputLost, juce::StringArray (device));
    EXPECT_EQ (listener.inputBack, juce::StringArray (device + "|Other"));
    EXPECT_EQ (listener.outputBack, juce::StringArray (device));
    manager->sendMessageToAllOutputs (note);
    EXPECT_EQ (sent, 1);

    // Lost again; closing everything (the user picks other ports) keeps the lost names, and an
    // explicit close is no loss: only the device reopens when it is back.
    layer->removePort (in);
    layer->removePort (out);
    manager->timerCallback();
    manager->closeAllInputs();
    manager->closeAllOutputs();
    layer->removePort (other);
    plugDevice();
    manager->timerCallback();
    EXPECT_EQ (manager->getOpenInputNames(), juce::StringArray (device));
    EXPECT_EQ (manager->getOpenOutputNames(), juce::StringArray (device));
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return listener.outputBack.size() == 2; }, 1000));

    // Destroyed with an event still to be delivered: the ports close and the event is dropped.
    layer->removePort (in);
    manager->timerCallback();
    manager = nullptr;
    EXPECT_EQ (layer->getNumOpenPorts (out), 0);
    testutil::runLoopFor (100);
    EXPECT_EQ (listener.inputLost, juce::StringArray (device + "|Other", device));
}

// A port listed again that won't open yet is not reported back: it stays lost and is tried
// at every poll until it opens.
TEST_F (MidiManagerTest, APortThatFailsToReopenStaysLostUntilItOpens)
{
    plugDevice();
    manager->addListener (&listener);
    openDevice();
    for (auto behaviour :
         { VirtualMidiPortLayer::OpenBehaviour::failsToOpen,
           VirtualMidiPortLayer::OpenBehaviour::throwsOnOpen, VirtualMidiPortLayer::OpenBehaviour::opens })
    {
        layer->removePort (in);
        layer->removePort (out);
        manager->timerCallback();
        in = layer->addInput (device, behaviour);
        out = layer->addOutput (device, counter (sent), behaviour);
        manager->timerCallback();
    }
    EXPECT_EQ (numOpen(), 2);
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return listener.outputBack.size() == 1; }, 1000));
    EXPECT_EQ (listener.inputBack, juce::StringArray (device));
}
