#include "ControlRecord.h"

namespace ControlRecord
{
void registerFields (MEditorControl& control, const RecordLayout& layout)
{
    for (int i = 0; i < layout.numFields; ++i)
    {
        const auto& f = layout.fields[i];
        control.addParameter (f.name, juce::Value (f.maximum), juce::Value (f.minimum),
                              juce::Value (f.initial));
    }
}

juce::Array<juce::uint8> write (const MEditorControl& control, const RecordLayout& layout)
{
    juce::Array<juce::uint8> record;
    record.insertMultiple (0, 0, layout.size);

    for (int i = 0; i < layout.numFields; ++i)
    {
        const auto& f = layout.fields[i];
        const auto value = control.getValidParameterValue (f.name);
        record.set (f.byte, value.has_value() ? static_cast<juce::uint8> (*value) : invalidByte);
    }
    return record;
}

bool isValid (const RecordLayout& layout, const juce::Array<juce::uint8>& record)
{
    if (record.size() != layout.size)
        return false;

    bool valid = true;
    for (int i = 0; i < layout.numFields; ++i)
    {
        const auto& f = layout.fields[i];
        const int value = record.getUnchecked (f.byte);
        valid = valid && value >= f.minimum && value <= f.maximum;
    }
    return valid;
}

void read (MEditorControl& control, const RecordLayout& layout, const juce::Array<juce::uint8>& record)
{
    for (int i = 0; i < layout.numFields; ++i)
    {
        const auto& f = layout.fields[i];
        control.setParameterValue (f.name, juce::Value (static_cast<int> (record.getUnchecked (f.byte))));
    }
}
} // namespace ControlRecord
