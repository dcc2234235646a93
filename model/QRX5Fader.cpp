#include "QRX5Fader.h"

#include "ControlRecord.h"

namespace
{
const RecordField fields[] = {
    { "Parameter Type", 0, 0, 2, 0 }, { "MIDI Channel", 1, 0, 32, 0 }, { "CC Number", 2, 0, 127, 0 },
    { "Min Value", 3, 0, 127, 0 },    { "Max Value", 4, 0, 127, 0 },   { "To MIDI DIN", 5, 0, 1, 0 },
};

const RecordLayout layout{ fields, static_cast<int> (std::size (fields)), QRX5Fader::recordSize };
} // namespace

QRX5Fader::QRX5Fader() { ControlRecord::registerFields (*this, layout); }

juce::Array<juce::uint8> QRX5Fader::getData() { return ControlRecord::write (*this, layout); }

bool QRX5Fader::validate (const juce::Array<juce::uint8>& record)
{
    return ControlRecord::isValid (layout, record);
}

bool QRX5Fader::setFromData (const juce::Array<juce::uint8>& record)
{
    if (! validate (record))
        return false;

    ControlRecord::read (*this, layout, record);
    return true;
}

juce::String QRX5Fader::getName() { return "FADER"; }
