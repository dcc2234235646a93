#include "midi/SysExMessages.h"

#include "model/Split14.h"

namespace
{
// Data bytes of a SysEx message carry 7 bits; a location never needs more.
juce::uint8 dataByte (int value) { return static_cast<juce::uint8> (value & 0x7f); }

void add14 (juce::Array<juce::uint8>& bytes, int value)
{
    const auto [high, low] = split14 (value & 0x3fff);
    bytes.add (high);
    bytes.add (low);
}
} // namespace

SysExMessages::SysExMessages (Format f)
    : format (std::move (f))
{
}

juce::Array<juce::uint8> SysExMessages::header (juce::uint8 command) const
{
    return { manufacturerId, secondHeaderByte, format.productId, command };
}

juce::MidiMessage SysExMessages::wrap (const juce::Array<juce::uint8>& inner)
{
    return juce::MidiMessage::createSysExMessage (inner.getRawDataPointer(), inner.size());
}

juce::Array<juce::uint8> SysExMessages::presetDumpBytes (int location,
                                                         const juce::Array<juce::uint8>& image) const
{
    juce::Array<juce::uint8> bytes;
    bytes.ensureStorageAllocated (dumpHeaderSize + image.size() + format.trailer.size() + 1);
    bytes.add (0xf0);
    bytes.addArray (header (presetDumpCommand));
    add14 (bytes, image.size() + 1 + format.trailer.size());
    bytes.add (dataByte (location));
    bytes.addArray (image);
    bytes.addArray (format.trailer);
    bytes.add (0xf7);
    return bytes;
}

juce::MidiMessage SysExMessages::presetDump (int location, const juce::Array<juce::uint8>& image) const
{
    const auto bytes = presetDumpBytes (location, image);
    return juce::MidiMessage (bytes.getRawDataPointer(), bytes.size());
}

juce::MidiMessage SysExMessages::presetRequest (int location) const
{
    auto inner = header (presetRequestCommand);
    inner.add (0x00, 0x01, dataByte (location));
    return wrap (inner);
}

juce::MidiMessage SysExMessages::globalParameterRequest() const
{
    auto inner = header (format.parameterRequestCommand);
    inner.add (0x00, 0x03, dataByte (format.numGlobalParameters));
    add14 (inner, 1);
    return wrap (inner);
}

juce::MidiMessage SysExMessages::globalParameterData (int number, juce::uint8 value) const
{
    auto inner = header (format.parameterDataCommand);
    inner.add (0x00, 0x04, 0x01);
    add14 (inner, number);
    inner.add (value);
    return wrap (inner);
}

SysExMessages::Kind SysExMessages::recognise (const juce::uint8* data, int size) const
{
    if (data == nullptr || size <= 4)
        return Kind::ignored;

    if (size == format.dumpSize && data[4] == presetDumpCommand)
        return Kind::presetDump;

    if (size != acknowledgementSize)
    {
        if (size >= 8 && data[1] == manufacturerId && data[3] == format.productId &&
            data[4] == format.parameterDataCommand)
            return Kind::globalParameterData;

        return Kind::ignored;
    }

    return data[4] == acknowledgementCommand ? Kind::acknowledgement : Kind::ignored;
}

juce::Array<juce::uint8> SysExMessages::presetImageOf (const juce::uint8* data, int size) const
{
    const int imageSize = size - dumpHeaderSize - 1 - format.trailer.size();
    if (data == nullptr || imageSize <= 0)
        return {};

    return juce::Array<juce::uint8> (data + dumpHeaderSize, imageSize);
}

juce::Array<juce::uint16> SysExMessages::readGlobalParameterData (const juce::uint8* data, int size) const
{
    constexpr int countByte = 7, firstNumberByte = 9, firstValueByte = 10;

    juce::Array<juce::uint16> settings;
    if (data == nullptr || size <= firstNumberByte)
        return settings;

    const int count = data[countByte];
    const int first = data[firstNumberByte];
    for (int i = 0; i < count; ++i)
    {
        const int position = firstValueByte + i;
        const int value = position < size ? data[position] : 0;
        settings.add (static_cast<juce::uint16> (((first + i) & 0xff) | (value << 8)));
    }
    return settings;
}
