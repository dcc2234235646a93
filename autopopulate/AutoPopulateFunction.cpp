#include "autopopulate/AutoPopulateFunction.h"

#include "model/Scales.h"
#include "model/Split14.h"

namespace
{
constexpr int highestNrpnValue = 16383;
constexpr int lastScaleArgument = 9;

using ScaleNote = juce::uint8 (*) (int, juce::uint8);

// In the order of the SCALE list, from its second item on ("MAJOR").
constexpr ScaleNote scales[] = { majorScaleNote,        minorScaleNote,         phrygianScaleNote,
                                 melodicMinorScaleNote, harmonicMinorScaleNote, mixolydianScaleNote,
                                 lydianScaleNote,       dorianScaleNote,        locrianScaleNote };

void write (MEditorControl& control, const juce::String& name, int v)
{
    control.setParameterValue (name, juce::Value (v));
}
} // namespace

juce::Array<int> makeAscendingValues (int start, int count)
{
    juce::Array<int> values;

    for (int i = 0; i < count; ++i)
        values.add (start + i);

    return values;
}

juce::Array<int> makeDescendingValues (int start, int count)
{
    juce::Array<int> values;

    for (int i = 0; i < count; ++i)
        values.add (start - i);

    return values;
}

AutoPopulateFunction::AutoPopulateFunction (ControlArray* selected, const juce::String& name)
    : selectedControls (selected)
    , parameterName (name)
{
}

StaticAutoPopulateFunction::StaticAutoPopulateFunction (ControlArray* selected, const juce::String& name)
    : AutoPopulateFunction (selected, name)
{
}

void StaticAutoPopulateFunction::apply (int arg)
{
    for (auto* control : *selectedControls)
        write (*control, parameterName, arg);
}

AscendingOrDescendingAutoPopulateFunction::AscendingOrDescendingAutoPopulateFunction (
    ControlArray* selected, const juce::String& name)
    : AutoPopulateFunction (selected, name)
{
}

void AscendingOrDescendingAutoPopulateFunction::apply (int arg)
{
    const auto count = selectedControls->size();
    writeValues (*selectedControls, parameterName,
                 arg == 0 ? makeAscendingValues (start, count) : makeDescendingValues (start, count));
}

void AscendingOrDescendingAutoPopulateFunction::writeValues (const ControlArray& controls,
                                                             const juce::String& name,
                                                             const juce::Array<int>& values)
{
    for (int i = 0; i < controls.size(); ++i)
        write (*controls.getUnchecked (i), name, values[i]);
}

NoteScaleAutoPopulateFunction::NoteScaleAutoPopulateFunction (ControlArray* selected,
                                                              const juce::String& name)
    : AutoPopulateFunction (selected, name)
{
}

void NoteScaleAutoPopulateFunction::apply (int arg)
{
    if (arg < 0 || arg > lastScaleArgument)
        return;

    const auto count = selectedControls->size();
    auto notes = makeAscendingValues (start, count);

    if (arg > 0)
        for (int i = 0; i < count; ++i)
            notes.set (i, scales[arg - 1](start, static_cast<juce::uint8> (i)));

    AscendingOrDescendingAutoPopulateFunction::writeValues (*selectedControls, parameterName, notes);
}

SetNrpnMSBAndLSBFromValueAutoPopulateFunction::SetNrpnMSBAndLSBFromValueAutoPopulateFunction (
    ControlArray* selected)
    : AutoPopulateFunction (selected, " ")
{
}

void SetNrpnMSBAndLSBFromValueAutoPopulateFunction::apply (int arg)
{
    const auto count = selectedControls->size();

    if (arg == 0)
        writeNrpn (makeAscendingValues (start, count));
    else if (arg == 1)
        writeNrpn (makeDescendingValues (start, count));
}

void SetNrpnMSBAndLSBFromValueAutoPopulateFunction::writeNrpn (const juce::Array<int>& values)
{
    for (int i = 0; i < selectedControls->size(); ++i)
    {
        const auto v = values[i];

        if (v < 0 || v > highestNrpnValue)
            continue;

        const auto [msb, lsb] = split14 (v);
        auto& control = *selectedControls->getUnchecked (i);
        write (control, "NRPN MSB", msb);
        write (control, "NRPN LSB", lsb);
    }
}
