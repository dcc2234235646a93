// The emulator on the in-process ports, a MidiManager holding its ports open and a listener
// keeping every reply; messages are written out byte by byte as the editor sends them.
#pragma once

#include "emulator/QRX571Emulator.h"
#include "midi/RecordingMidiListener.h"
#include "support/RunLoop.h"

#include <gtest/gtest.h>

using Bytes = std::vector<juce::uint8>;

inline Bytes concat (std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (auto& p : parts)
        all.insert (all.end(), p.begin(), p.end());
    return all;
}

const Bytes trailer{ 0x04, 0x00, 0x00, 0x04, 0x00, 0x01, 0x04, 0x00, 0x02, 0x04, 0x00, 0x03 };
const Bytes parameterRequest{ 0xF0, 0x47, 0x00, 0x35, 0x24, 0x00, 0x03, 0x0B, 0x00, 0x01, 0xF7 };
const Bytes parameterReplyHeader{ 0xF0, 0x47, 0x00, 0x35, 0x34, 0x00, 0x0E, 0x0B, 0x00, 0x01 };

inline Bytes presetDump (int location, const Bytes& image)
{
    return concat (
        { { 0xF0, 0x47, 0x00, 0x35, 0x10, 0x08, 0x33, (juce::uint8)location }, image, trailer, { 0xF7 } });
}

inline Bytes presetRequest (int location)
{
    return { 0xF0, 0x47, 0x00, 0x35, 0x12, 0x00, 0x01, (juce::uint8)location, 0xF7 };
}

inline Bytes parameterData (int number, int value)
{
    return { 0xF0, 0x47, 0x00, 0x35, 0x34, 0x00, 0x04, 0x01, 0x00, (juce::uint8)number, (juce::uint8)value,
             0xF7 };
}

class EmulatorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        device.start();
        manager->addListener (&replies);
        manager->openInputDevice (QRX571Emulator::portName);
        manager->openOutputDevice (QRX571Emulator::portName);
        ASSERT_EQ (manager->getNumOpenInputs() + manager->getNumOpenOutputs(), 2);
    }

    void TearDown() override
    {
        manager = nullptr;
        device.stop();
    }

    void send (const Bytes& bytes)
    {
        manager->sendMessageToAllOutputs (juce::MidiMessage (bytes.data(), (int)bytes.size()));
    }

    // The n-th reply's bytes, waited for; empty if it never came.
    Bytes reply (size_t n = 1)
    {
        if (! testutil::runLoopUntil ([&] { return replies.numMessages() >= n; }, 3000))
            return {};
        const auto m = replies.getMessages()[n - 1].second;
        return Bytes (m.getRawData(), m.getRawData() + m.getRawDataSize());
    }

    bool settled()
    {
        return testutil::runLoopUntil ([&] { return device.isIdle() && layer->isIdle(); });
    }

    std::shared_ptr<VirtualMidiPortLayer> layer = std::make_shared<VirtualMidiPortLayer>();
    QRX571Emulator device{ layer };
    MidiManager::Ptr manager = new MidiManager (layer);
    RecordingMidiListener replies;
};
