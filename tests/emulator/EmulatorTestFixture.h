// The emulated device on the in-process ports with a MidiManager beside it, and the device's
// messages written out byte by byte; shared by the emulator and engine suites.
#pragma once

#include "emulator/QRX571Emulator.h"
#include "midi/RecordingMidiListener.h"
#include "support/RunLoop.h"

#include <gtest/gtest.h>

using Bytes = std::vector<juce::uint8>;

inline Bytes bytesOf (const juce::MidiMessage& m)
{
    return Bytes (m.getRawData(), m.getRawData() + m.getRawDataSize());
}
inline Bytes bytesOf (const juce::Array<juce::uint8>& a) { return Bytes (a.begin(), a.end()); }
inline juce::MidiMessage messageOf (const Bytes& b) { return juce::MidiMessage (b.data(), (int)b.size()); }

inline Bytes concat (std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (auto& p : parts)
        all.insert (all.end(), p.begin(), p.end());
    return all;
}

const Bytes trailer{ 0x04, 0x00, 0x00, 0x04, 0x00, 0x01, 0x04, 0x00, 0x02, 0x04, 0x00, 0x03 };
const Bytes parameterRequest{ 0xF0, 0x47, 0x00, 0x35, 0x24, 0x00, 0x03, 0x0B, 0x00, 0x01, 0xF7 };
const Bytes acknowledgement{ 0xF0, 0x47, 0x00, 0x35, 0x11, 0x00, 0x00, 0x00, 0x00, 0xF7 };

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

struct DeviceTest : ::testing::Test
{
    void SetUp() override { device.start(); }
    void TearDown() override
    {
        manager = nullptr;
        device.stop();
    }

    void openDevicePorts()
    {
        manager->openInputDevice (QRX571Emulator::portName);
        manager->openOutputDevice (QRX571Emulator::portName);
    }

    bool settled()
    {
        return testutil::runLoopUntil ([&] { return device.isIdle() && layer->isIdle(); });
    }

    std::shared_ptr<VirtualMidiPortLayer> layer = std::make_shared<VirtualMidiPortLayer>();
    QRX571Emulator device{ layer };
    MidiManager::Ptr manager = new MidiManager (layer);
};
