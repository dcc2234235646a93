#include "emulator/DeviceMessages.h"

namespace DeviceMessages
{
namespace
{
constexpr juce::uint8 header[] = { 0x47, 0x00, 0x35 };
const std::vector<juce::uint8> trailer{
    0x04, 0x00, 0x00, 0x04, 0x00, 0x01, 0x04, 0x00, 0x02, 0x04, 0x00, 0x03
};

// The bytes between F0 and F7 of a message whose body starts with the header and command.
juce::MidiMessage frame (juce::uint8 command, const std::vector<juce::uint8>& body)
{
    std::vector<juce::uint8> data (std::begin (header), std::end (header));
    data.push_back (command);
    data.insert (data.end(), body.begin(), body.end());
    return juce::MidiMessage::createSysExMessage (data.data(), (int)data.size());
}

void appendLength (std::vector<juce::uint8>& body, int length)
{
    body.push_back ((juce::uint8) ((length >> 7) & 0x7F));
    body.push_back ((juce::uint8) (length & 0x7F));
}

juce::MidiMessage fromBytes (const std::vector<juce::uint8>& bytes)
{
    return juce::MidiMessage (bytes.data(), (int)bytes.size());
}
} // namespace

Received parse (const juce::MidiMessage& message)
{
    Received result;
    const auto* raw = message.getRawData();
    const auto size = message.getRawDataSize();

    if (! message.isSysEx() || size < 6 || raw[size - 1] != 0xF7)
        return result;

    if (raw[1] != header[0] || raw[2] != header[1] || raw[3] != header[2])
        return result;

    const auto command = raw[4];

    if (command == presetDump && size == dumpSize && raw[7] < numLocations)
    {
        result.kind = presetDump;
        result.location = raw[7];
        result.image.assign (raw + 8, raw + 8 + imageSize);
    }
    else if (command == presetRequest && size == 9 && raw[7] < numLocations)
    {
        result.kind = presetRequest;
        result.location = raw[7];
    }
    else if (command == parameterRequest && size == 11)
    {
        result.kind = parameterRequest;
    }
    else if (command == parameterData && size >= 11)
    {
        result.kind = parameterData;
        const int count = raw[7];
        const int first = (raw[8] << 7) | raw[9];

        // Only the values actually there: the closing F7 is not one of them.
        for (int i = 0; i < count && 10 + i < size - 1; ++i)
            result.parameters.push_back ({ first + i, raw[10 + i] });
    }

    return result;
}

juce::MidiMessage makePresetDump (int location, const std::vector<juce::uint8>& image)
{
    jassert ((int)image.size() == imageSize);
    std::vector<juce::uint8> body;
    appendLength (body, imageSize + 1 + (int)trailer.size());
    body.push_back ((juce::uint8)location);
    body.insert (body.end(), image.begin(), image.end());
    body.insert (body.end(), trailer.begin(), trailer.end());
    return frame (presetDump, body);
}

juce::MidiMessage makeAcknowledgement (int location)
{
    // Length, the location stored and a status byte (0 = stored).
    return frame (acknowledgement, { 0x00, 0x02, (juce::uint8)location, 0x00 });
}

juce::MidiMessage makeParameterData (int firstParameter, const std::vector<juce::uint8>& values)
{
    std::vector<juce::uint8> body;
    appendLength (body, 3 + (int)values.size());
    body.push_back ((juce::uint8)values.size());
    body.push_back ((juce::uint8) ((firstParameter >> 7) & 0x7F));
    body.push_back ((juce::uint8) (firstParameter & 0x7F));
    body.insert (body.end(), values.begin(), values.end());
    return frame (parameterData, body);
}

juce::MidiMessage garble (const juce::MidiMessage& message, juce::Random& random)
{
    const auto* raw = message.getRawData();
    std::vector<juce::uint8> bytes (raw, raw + message.getRawDataSize());

    for (size_t i = 5; i + 1 < bytes.size(); ++i)
        bytes[i] = (juce::uint8)random.nextInt (0x80);

    return fromBytes (bytes);
}

juce::MidiMessage truncate (const juce::MidiMessage& message)
{
    const auto* raw = message.getRawData();
    std::vector<juce::uint8> bytes (raw, raw + message.getRawDataSize() / 2);
    bytes.push_back (0xF7);
    return fromBytes (bytes);
}
} // namespace DeviceMessages
