// The device's side of its SysEx exchange: what it recognises and what it sends, byte by byte.
#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <optional>
#include <vector>

namespace DeviceMessages
{
constexpr int numLocations = 21;
constexpr int imageSize = 1062;
constexpr int dumpSize = 1083;
constexpr int acknowledgementSize = 10;
constexpr int numGlobalParameters = 11; // parameter numbers 1..11

constexpr juce::uint8 presetDump = 0x10, acknowledgement = 0x11, presetRequest = 0x12,
                      parameterRequest = 0x24, parameterData = 0x34;

// One parameter value as the device receives it.
struct ParameterValue
{
    int number;
    juce::uint8 value;
};

// What the device makes of one message; kind is 0 for anything it does not answer to.
struct Received
{
    juce::uint8 kind = 0;
    int location = -1;                      // dumps and preset requests
    std::vector<juce::uint8> image;         // dumps
    std::vector<ParameterValue> parameters; // parameter data, only the values present
};

Received parse (const juce::MidiMessage& message);

// Whole messages, F0 and F7 included.
juce::MidiMessage makePresetDump (int location, const std::vector<juce::uint8>& image);
juce::MidiMessage makeAcknowledgement (int location);
juce::MidiMessage makeParameterData (int firstParameter, const std::vector<juce::uint8>& values);

// Keeps the frame and the header; everything after the command byte becomes noise.
juce::MidiMessage garble (const juce::MidiMessage& message, juce::Random& random);
// The first half of the message, closed by F7.
juce::MidiMessage truncate (const juce::MidiMessage& message);
} // namespace DeviceMessages
