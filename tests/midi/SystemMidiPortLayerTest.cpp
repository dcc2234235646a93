// This machine has no MIDI system: the system ports list nothing and nothing fails.
#include "midi/MidiManager.h"
#include "support/RunLoop.h"

#include <gtest/gtest.h>

TEST (SystemMidiPortLayer, WithoutAMidiSystemTheManagerListsAndOpensNothing)
{
    MidiManager::Ptr manager = new MidiManager();

    if (! manager->getAvailableInputNames().isEmpty() || ! manager->getAvailableOutputNames().isEmpty())
        GTEST_SKIP() << "this machine has MIDI ports";

    manager->openInputDevice ("QRX571 Remote");
    manager->openOutputDevice ("QRX571 Remote");
    manager->sendMessageToAllOutputs (juce::MidiMessage::noteOn (1, 60, (juce::uint8)1));
    testutil::runLoopFor (120); // a couple of polls

    EXPECT_EQ (manager->getNumOpenInputs() + manager->getNumOpenOutputs(), 0);
}
