#include "QRX5Pad.h"

#include "ControlRecord.h"

namespace
{
const RecordField fields[] = {
    { "Parameter Type", 0, 0, 127, 0 },   { "MIDI Channel", 1, 0, 127, 0 },
    { "MIDI Note", 2, 0, 127, 0 },        { "To MIDI Din", 3, 0, 1, 0 },
    { "Note Toggle Mode", 4, 0, 127, 0 }, { "Aftertouch Type", 5, 0, 127, 0 },
    { "Program Number", 6, 0, 127, 0 },   { "Program MSB", 7, 0, 127, 0 },
    { "Program LSB", 8, 0, 127, 0 },      { "Color Off", 9, 0, 17, 0 },
    { "Color On", 10, 0, 17, 0 },
};

const RecordLayout layout{ fields, static_cast<int> (std::size (fields)), QRX5Pad::recordSize };
} // namespace

QRX5Pad::QRX5Pad() { ControlRecord::registerFields (*this, layout); }

juce::Array<juce::uint8> QRX5Pad::getData() { return ControlRecord::write (*this, layout); }

bool QRX5Pad::validate (const juce::Array<juce::uint8>& record)
{
    return ControlRecord::isValid (layout, record);
}

bool QRX5Pad::setFromData (const juce::Array<juce::uint8>& record)
{
    if (! validate (record))
        return false;

    ControlRecord::read (*this, layout, record);
    return true;
}

juce::String QRX5Pad::getName() { return "PAD"; }
