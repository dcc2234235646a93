// The byte-record layout shared by the control classes: which parameter sits in which byte,
// with its range and starting value. Each control class describes itself with one table.
#pragma once

#include "MEditorControl.h"

struct RecordField
{
    juce::String name;
    int byte;
    int minimum;
    int maximum;
    int initial;
};

struct RecordLayout
{
    const RecordField* fields;
    int numFields;
    int size; // the record's length; bytes no field names are reserved and written as 0
};

namespace ControlRecord
{
// Registers every field of the layout on the control, at its starting value.
void registerFields (MEditorControl& control, const RecordLayout& layout);

// Written in place of a value that is not an integer within its field's range (one a shared
// juce::Value let through): no field accepts it, so the record, and any image holding it, is
// refused as a whole rather than carrying the value cut to some other byte.
constexpr juce::uint8 invalidByte = 0xff;

// A record of layout.size bytes, each field's value in its byte, reserved bytes 0.
juce::Array<juce::uint8> write (const MEditorControl& control, const RecordLayout& layout);

// True only for a record of the right size whose every field byte is within its range. The
// ranges are the layout's own, which are the ones registered and never change.
bool isValid (const RecordLayout& layout, const juce::Array<juce::uint8>& record);

// Writes every field from its byte through setParameterValue, in record order; the caller has
// validated the record, so every value is in range and stored.
void read (MEditorControl& control, const RecordLayout& layout, const juce::Array<juce::uint8>& record);
} // namespace ControlRecord
