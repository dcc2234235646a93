// What one auto-populate row does to the selected controls when "Apply" is clicked. Every
// write goes through MEditorControl::setParameterValue, so a value outside a parameter's
// range is dropped for that control alone: nothing here clamps or wraps.
#pragma once

#include "model/MEditorControl.h"

using ControlArray = juce::ReferenceCountedArray<MEditorControl>;

// start, start+1, ... and start, start-1, ...: count values, unbounded.
juce::Array<int> makeAscendingValues (int start, int count);
juce::Array<int> makeDescendingValues (int start, int count);

class AutoPopulateFunction : public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<AutoPopulateFunction>;

    // selectedControls belongs to the panel, which outlives its functions; it is read
    // afresh at each apply, so the selection at the moment of the click counts.
    AutoPopulateFunction (ControlArray* selectedControls, const juce::String& parameterName);
    ~AutoPopulateFunction() override = default;

    // arg is a row editor's value cut to 8 bits.
    virtual void apply (int arg) = 0;

protected:
    ControlArray* selectedControls;
    juce::String parameterName;

    JUCE_DECLARE_NON_COPYABLE (AutoPopulateFunction)
};

// The same value into every selected control.
class StaticAutoPopulateFunction : public virtual AutoPopulateFunction
{
public:
    StaticAutoPopulateFunction (ControlArray* selectedControls, const juce::String& parameterName);
    void apply (int arg) override;
    ~StaticAutoPopulateFunction() override = default;
};

// arg 0: start, start+1, ...; any other arg: start, start-1, ...
class AscendingOrDescendingAutoPopulateFunction : public virtual AutoPopulateFunction
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<AscendingOrDescendingAutoPopulateFunction>;

    AscendingOrDescendingAutoPopulateFunction (ControlArray* selectedControls,
                                               const juce::String& parameterName);
    void apply (int arg) override;
    ~AscendingOrDescendingAutoPopulateFunction() override = default;

    // Selected control i gets values[i] (0 past the end of the list).
    static void writeValues (const ControlArray& controls, const juce::String& parameterName,
                             const juce::Array<int>& values);

    int start = 0; // set by the owning sub-mode's START box
};

// arg 0: a chromatic run from the root in start; 1 to 9: major, natural minor, Phrygian,
// melodic minor, harmonic minor, Mixolydian, Lydian, Dorian, Locrian; above 9: nothing.
class NoteScaleAutoPopulateFunction : public virtual AutoPopulateFunction
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<NoteScaleAutoPopulateFunction>;

    NoteScaleAutoPopulateFunction (ControlArray* selectedControls, const juce::String& parameterName);
    void apply (int arg) override;
    ~NoteScaleAutoPopulateFunction() override = default;

    int start = 0; // the root note
};

// A run of 14-bit values written as "NRPN MSB" and "NRPN LSB": arg 0 ascending, 1
// descending, anything else nothing. A value outside 0..16383 leaves that control alone.
class SetNrpnMSBAndLSBFromValueAutoPopulateFunction : public AutoPopulateFunction
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<SetNrpnMSBAndLSBFromValueAutoPopulateFunction>;

    explicit SetNrpnMSBAndLSBFromValueAutoPopulateFunction (ControlArray* selectedControls);
    void apply (int arg) override;
    ~SetNrpnMSBAndLSBFromValueAutoPopulateFunction() override = default;

    void writeNrpn (const juce::Array<int>& values);

    int start = 0;
};
