// The device's SysEx messages, byte for byte: building each one and telling incoming ones apart.
// Every message is F0 47 00 <product id> <command> <data> F7; positions count F0 as byte 0.
#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

class SysExMessages
{
public:
    static constexpr juce::uint8 manufacturerId = 0x47;
    static constexpr juce::uint8 secondHeaderByte = 0x00;
    static constexpr juce::uint8 presetDumpCommand = 0x10;
    static constexpr juce::uint8 acknowledgementCommand = 0x11;
    static constexpr juce::uint8 presetRequestCommand = 0x12;
    static constexpr int acknowledgementSize = 10;
    static constexpr int dumpHeaderSize = 8; // F0, four header bytes, length, location

    enum class Kind
    {
        ignored,
        presetDump,
        globalParameterData,
        acknowledgement
    };

    struct Format
    {
        juce::uint8 productId;
        int dumpSize; // the whole dump, F0 and F7 included
        juce::Array<juce::uint8> trailer;
        juce::uint8 parameterRequestCommand;
        juce::uint8 parameterDataCommand;
        int numGlobalParameters;
    };

    explicit SysExMessages (Format format);

    // The whole dump, F0 to F7: header, 14-bit length, location, image, trailer.
    juce::Array<juce::uint8> presetDumpBytes (int location, const juce::Array<juce::uint8>& image) const;

    juce::MidiMessage presetDump (int location, const juce::Array<juce::uint8>& image) const;
    juce::MidiMessage presetRequest (int location) const;
    juce::MidiMessage globalParameterRequest() const;
    // One setting, count 1, parameter number as 14 bits.
    juce::MidiMessage globalParameterData (int number, juce::uint8 value) const;

    // Classifies a whole SysEx message (F0 and F7 included). Only the bytes the device's three
    // answers are known by are compared; everything else is ignored.
    Kind recognise (const juce::uint8* data, int size) const;

    // What is left of a dump once the header, the trailer and F7 are cut off; empty when nothing is.
    juce::Array<juce::uint8> presetImageOf (const juce::uint8* data, int size) const;

    // Each value of a parameter-data message packed as number | value << 8. A count beyond the
    // values present reads the closing F7 and then 0s. A message too short to name its first
    // parameter gives nothing.
    juce::Array<juce::uint16> readGlobalParameterData (const juce::uint8* data, int size) const;

    const Format& getFormat() const { return format; }

private:
    juce::Array<juce::uint8> header (juce::uint8 command) const;
    static juce::MidiMessage wrap (const juce::Array<juce::uint8>& inner);

    Format format;
};
