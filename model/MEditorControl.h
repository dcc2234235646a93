// The named-parameter store under every control class.
#pragma once

#include "EditorControl.h"

#include <juce_data_structures/juce_data_structures.h>

#include <map>
#include <optional>

// The default range of the generic parameters.
constexpr int defaultParameterMinimum = 0;
constexpr int defaultParameterMaximum = 127;
constexpr int defaultParameterInitial = 0;

// One named parameter: its value and its inclusive range.
class MEditorControlParameterData : public virtual juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<MEditorControlParameterData>;

    juce::Value value;
    juce::Value minimum;
    juce::Value maximum;
};

class MEditorControl : public virtual juce::ReferenceCountedObject, public EditorControl
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<MEditorControl>;

    juce::Array<juce::uint8> getData() override = 0;
    bool setFromData (const juce::Array<juce::uint8>& record) override = 0;
    ~MEditorControl() override = default;
    virtual juce::String getName() = 0;
    virtual bool validate (const juce::Array<juce::uint8>& record) = 0;

    // Registers a parameter; the first registration of a name wins.
    void addParameter (const juce::String& name, const juce::Value& maximum, const juce::Value& minimum,
                       const juce::Value& initial);

    // Shares the parameter's value source: writes through it skip the range test.
    // An unregistered name gives a fresh, unconnected value that reads 0.
    juce::Value getParameterValue (const juce::String& name) const;

    // Stores the value, as an int, only if it is an integer within the parameter's range;
    // otherwise drops it silently.
    void setParameterValue (const juce::String& name, const juce::Value& newValue);

    bool isValueInRange (const juce::String& name, juce::Value candidate) const;

    // The parameter's value if it is an integer within its range. A value written straight into
    // a shared juce::Value may be neither; then, and for an unregistered name, nothing.
    std::optional<int> getValidParameterValue (const juce::String& name) const;

    // The int a value stands for, read as juce::var reads it (a fraction is cut off); nothing for
    // what has no such int: text that is not a whole number, a number beyond int's range, NaN,
    // an empty or compound value.
    static std::optional<int> integerOf (const juce::var& value);

    // Makes `target` refer to the parameter's value. With `touch`, the value is read and
    // written back through the target, as a widget would after binding.
    bool bindParameter (const juce::String& name, juce::Value& target, bool touch);

private:
    MEditorControlParameterData* find (const juce::String& name) const;

    std::map<juce::String, MEditorControlParameterData::Ptr> parameters;
};
