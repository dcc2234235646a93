#include "RecordingMidiListener.h"
#include "midi/VirtualMidiPortLayer.h"
#include "support/RunLoop.h"

#include <gtest/gtest.h>

namespace
{
const juce::String device ("QRX571 Remote");
const auto note = juce::MidiMessage::noteOn (1, 60, (juce::uint8)100);

class MidiManagerTest : public ::testing::Test
{
protected:
    void TearDown() override { manager = nullptr; } // its ports go before the layer

    // A receiver counting what an output port is sent (on the sending thread: this one).
    VirtualMidiPortLayer::Receiver counter (int& count)
    {
        return [&count] (const juce::MidiMessage&) { ++count; };
    }

    void plugDevice()
    {
        in = layer->addInput (device);
        out = layer->addOutput (device, counter (sent));
    }

    void unplugDevice()
    {
        layer->removePort (in);
        layer->removePort (out);
    }

    void openDevice()
    {
        manager->openInputDevice (device);
        manager->openOutputDevice (device);
    }

    bool waitFor (const juce::StringArray& events, int n)
    {
        return testutil::runLoopUntil ([&] { return events.size() >= n; }, 1000);
    }

    std::shared_ptr<VirtualMidiPortLayer> layer = std::make_shared<VirtualMidiPortLayer>();
    MidiManager::Ptr manager = new MidiManager (layer);
    RecordingMidiListener listener;
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
    manager->addListener (&listener);

    openDevice();
    openDevice(); // already open: nothing more

    EXPECT_EQ (manager->getOpenInputNames(), juce::StringArray (device, device));
    EXPECT_EQ (manager->getNumOpenOutputs(), 2);
    EXPECT_EQ (layer->getNumOpenPorts (in) + layer->getNumOpenPorts (in2), 2);

    manager->sendMessageToAllOutputs (note);
    EXPECT_EQ (std::make_tuple (sent, sent2, sentOther), std::make_tuple (1, 1, 0));

    layer->sendFromInput (in, note);
    layer->sendFromInput (in2, note);
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return listener.numMessages() == 2; }));
    EXPECT_NE (listener.getMessages()[0].first, listener.getMessages()[1].first);

    manager->closeOutputDevice (device);
    manager->closeInputDevice (device);
    EXPECT_EQ (manager->getNumOpenInputs() + manager->getNumOpenOutputs(), 0);
    EXPECT_EQ (layer->getNumOpenPorts (in) + layer->getNumOpenPorts (out), 0);
}

TEST_F (MidiManagerTest, UnknownAndFailingPortsOpenNothingAndNothingThrows)
{
    using B = VirtualMidiPortLayer::OpenBehaviour;
    layer->addInput ("Null", B::failsToOpen);
    layer->addOutput ("Null", {}, B::failsToOpen);
    layer->addInput ("Throws", B::throwsOnOpen);
    layer->addOutput ("Throws", {}, B::throwsOnOpen);
    const auto good = layer->addInput ("Throws"); // a working port of the same name still opens

    for (auto name : { "Null", "Throws", "Nobody" })
    {
        EXPECT_NO_THROW (manager->openInputDevice (name));
        EXPECT_NO_THROW (manager->openOutputDevice (name));
    }

    EXPECT_EQ (manager->getOpenInputNames(), juce::StringArray ("Throws"));
    EXPECT_EQ (layer->getNumOpenPorts (good), 1);
    EXPECT_EQ (manager->getNumOpenOutputs(), 0);
    EXPECT_FALSE (manager->isInputDeviceAvailable ("Nobody"));
    EXPECT_NO_THROW (manager->sendMessageToAllOutputs (note));
}

TEST_F (MidiManagerTest, UnplugAndReplugAreEachHandledInOnePoll)
{
    plugDevice();
    manager->addListener (&listener);
    openDevice();

    unplugDevice();
    manager->timerCallback();
    EXPECT_EQ (manager->getNumOpenInputs() + manager->getNumOpenOutputs(), 0);
    ASSERT_TRUE (waitFor (listener.outputLost, 1));

    plugDevice();
    manager->timerCallback();
    EXPECT_TRUE (manager->isInputOpen (device) && manager->isOutputOpen (device));
    ASSERT_TRUE (waitFor (listener.outputBack, 1));

    testutil::runLoopFor (150); // later polls report nothing more
    EXPECT_EQ (listener.inputLost, juce::StringArray (device));
    EXPECT_EQ (listener.outputLost, juce::StringArray (device));
    EXPECT_EQ (listener.inputBack, juce::StringArray (device));
    EXPECT_EQ (listener.outputBack, juce::StringArray (device));

    manager->sendMessageToAllOutputs (note);
    EXPECT_EQ (sent, 1);
}

TEST_F (MidiManagerTest, NamesReturningInOnePollAllReopenAndAreReportedTogether)
{
    manager->addListener (&listener);
    auto ids = std::vector<VirtualMidiPortLayer::PortId>{ layer->addInput ("X"), layer->addInput ("X"),
                                                          layer->addInput ("Y") };
    manager->openInputDevice ("X");
    manager->openInputDevice ("Y");

    for (auto id : ids)
        layer->removePort (id);
    manager->timerCallback();

    for (auto name : { "X", "X", "Y" })
        layer->addInput (name);
    manager->timerCallback();

    EXPECT_EQ (manager->getOpenInputNames(), juce::StringArray ("X", "X", "Y"));
    ASSERT_TRUE (waitFor (listener.inputBack, 1));
    EXPECT_EQ (listener.inputLost, juce::StringArray ("X|Y"));
    EXPECT_EQ (listener.inputBack, juce::StringArray ("X|Y"));
}

TEST_F (MidiManagerTest, CloseAllKeepsLostNamesButAnExplicitCloseIsNoLoss)
{
    manager->addListener (&listener);
    plugDevice();
    const auto keyboard = layer->addOutput ("Keyboard", {});
    openDevice();
    manager->openOutputDevice ("Keyboard");

    unplugDevice();
    manager->timerCallback();
    manager->closeAllInputs(); // the user picks other ports meanwhile
    manager->closeAllOutputs();
    manager->openOutputDevice ("Keyboard");
    manager->closeOutputDevice ("Keyboard");
    layer->removePort (keyboard);

    plugDevice();
    manager->timerCallback();

    EXPECT_EQ (manager->getOpenInputNames(), juce::StringArray (device));
    EXPECT_EQ (manager->getOpenOutputNames(), juce::StringArray (device));
    ASSERT_TRUE (waitFor (listener.outputBack, 1));
    EXPECT_EQ (listener.outputLost, juce::StringArray (device));
    EXPECT_EQ (listener.outputBack, juce::StringArray (device));
}

TEST_F (MidiManagerTest, ListenersRunOnTheInputThreadMostRecentFirst)
{
    std::vector<int> order;
    std::thread::id thread;
    RecordingMidiListener first, second;
    first.onMessage = [&] { order.push_back (1); };
    second.onMessage = [&] { order.push_back (2), thread = std::this_thread::get_id(); };

    manager->addListener (&first);
    manager->addListener (&second);
    manager->addListener (&first); // already there: stays where it was
    manager->addListener (nullptr);

    plugDevice();
    openDevice();
    layer->sendFromInput (in, note);
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return first.numMessages() == 1 && layer->isIdle(); }));

    EXPECT_EQ (order, (std::vector<int>{ 2, 1 }));
    EXPECT_NE (thread, std::this_thread::get_id());
}

TEST_F (MidiManagerTest, DestroyingTheManagerClosesPortsAndDropsPendingEvents)
{
    plugDevice();
    manager->addListener (&listener);
    openDevice();
    unplugDevice();
    manager->timerCallback(); // events queued, not yet delivered
    plugDevice();
    openDevice();

    manager = nullptr;
    EXPECT_EQ (layer->getNumOpenPorts (in) + layer->getNumOpenPorts (out), 0);
    testutil::runLoopFor (100);
    EXPECT_TRUE (listener.inputLost.isEmpty());
}
