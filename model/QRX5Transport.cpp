#include "QRX5Transport.h"

#include "ControlRecord.h"
#include "Split14.h"

namespace
{
const juce::String bpmName ("BPM");
constexpr int bpmMinimum = 30;
constexpr int bpmMaximum = 300;

// Bytes 0 and 1 hold "BPM" (handled apart, as a 14-bit pair); bytes 7 to 11 are reserved.
const RecordField fields[] = {
    { "TIME DIVISION TOGGLE", 2, 0, 1, 0 },
    { "TIME DIVISION", 3, 0, 7, 0 },
    { "REPEAT TOGGLE", 4, 0, 1, 0 },
    { "GATE", 5, 1, 99, 1 },
    { "SWING", 6, 50, 75, 50 },
    { "TRANSPORT TYPE", 12, 0, 4, 0 },
};

const RecordLayout layout{ fields, static_cast<int> (std::size (fields)), QRX5Transport::recordSize };

int bpmOf (const juce::Array<juce::uint8>& record) { return join14 (record[0], record[1]); }
} // namespace

QRX5Transport::QRX5Transport()
{
    addParameter (bpmName, juce::Value (bpmMaximum), juce::Value (bpmMinimum), juce::Value (bpmMinimum));
    ControlRecord::registerFields (*this, layout);
}

juce::Array<juce::uint8> QRX5Transport::getData()
{
    auto record = ControlRecord::write (*this, layout);
    const auto bpm = getValidParameterValue (bpmName);
    const auto [high, low] = bpm.has_value()
                                 ? split14 (*bpm)
                                 : std::make_pair (ControlRecord::invalidByte, ControlRecord::invalidByte);
    record.set (0, high);
    record.set (1, low);
    return record;
}

bool QRX5Transport::validate (const juce::Array<juce::uint8>& record)
{
    if (record.size() != recordSize)
        return false;

    const int bpm = bpmOf (record);
    const bool bpmValid = bpm >= bpmMinimum && bpm <= bpmMaximum;
    const bool restValid = ControlRecord::isValid (layout, record);
    return bpmValid && restValid;
}

bool QRX5Transport::setFromData (const juce::Array<juce::uint8>& record)
{
    if (! validate (record))
        return false;

    setParameterValue (bpmName, juce::Value (bpmOf (record)));
    ControlRecord::read (*this, layout, record);
    return true;
}

juce::String QRX5Transport::getName() { return "Transport"; }
