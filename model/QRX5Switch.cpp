#include "QRX5Switch.h"

#include "ControlRecord.h"

namespace
{
// Byte 10 is reserved: written 0, never read.
const RecordField fields[] = {
    { "Parameter Type", 0, 0, 4, 0 },  { "MIDI Channel", 1, 0, 32, 0 },    { "MIDI CC", 2, 0, 127, 0 },
    { "Switch Mode", 3, 0, 2, 0 },     { "Program Number", 4, 0, 127, 0 }, { "Program MSB", 5, 0, 127, 0 },
    { "Program LSB", 6, 0, 127, 0 },   { "To Midi Din", 7, 0, 1, 0 },      { "MIDI Note", 8, 0, 127, 0 },
    { "Note Velocity", 9, 0, 127, 0 }, { "Key 1", 11, 0, 82, 0 },          { "Key 2", 12, 0, 14, 0 },
};

const RecordLayout layout{ fields, static_cast<int> (std::size (fields)), QRX5Switch::recordSize };
} // namespace

QRX5Switch::QRX5Switch() { ControlRecord::registerFields (*this, layout); }

juce::Array<juce::uint8> QRX5Switch::getData() { return ControlRecord::write (*this, layout); }

bool QRX5Switch::validate (const juce::Array<juce::uint8>& record)
{
    return ControlRecord::isValid (layout, record);
}

bool QRX5Switch::setFromData (const juce::Array<juce::uint8>& record)
{
    if (! validate (record))
        return false;

    ControlRecord::read (*this, layout, record);
    return true;
}

juce::String QRX5Switch::getName() { return "Switch"; }
