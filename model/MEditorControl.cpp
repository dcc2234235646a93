#include "MEditorControl.h"

#include <limits>

void MEditorControl::addParameter (const juce::String& name, const juce::Value& maximum,
                                   const juce::Value& minimum, const juce::Value& initial)
{
    if (parameters.find (name) != parameters.end())
        return;

    MEditorControlParameterData::Ptr data = new MEditorControlParameterData();
    data->minimum = minimum.getValue();
    data->maximum = maximum.getValue();
    data->value = initial.getValue();
    parameters.emplace (name, data);
}

MEditorControlParameterData* MEditorControl::find (const juce::String& name) const
{
    const auto it = parameters.find (name);
    return it == parameters.end() ? nullptr : it->second.get();
}

juce::Value MEditorControl::getParameterValue (const juce::String& name) const
{
    if (auto* data = find (name))
        return juce::Value (data->value);

    return {};
}

void MEditorControl::setParameterValue (const juce::String& name, const juce::Value& newValue)
{
    auto* data = find (name);
    if (data == nullptr)
        return;

    // The integer tested is the one stored: the raw value may be a fraction or a text.
    const auto value = integerOf (newValue.getValue());
    if (value.has_value() && isValueInRange (name, juce::Value (*value)))
        data->value.setValue (*value);
}

bool MEditorControl::isValueInRange (const juce::String& name, juce::Value candidate) const
{
    auto* data = find (name);
    if (data == nullptr)
        return false;

    const int maximum = data->maximum.getValue();
    const int minimum = data->minimum.getValue();
    const auto value = integerOf (candidate.getValue());
    return value.has_value() && *value >= minimum && *value <= maximum;
}

std::optional<int> MEditorControl::getValidParameterValue (const juce::String& name) const
{
    auto* data = find (name);
    if (data == nullptr || ! isValueInRange (name, data->value))
        return {};

    return integerOf (data->value.getValue());
}

std::optional<int> MEditorControl::integerOf (const juce::var& value)
{
    constexpr auto lowest = (double)std::numeric_limits<int>::min();
    constexpr auto highest = (double)std::numeric_limits<int>::max();

    if (value.isInt() || value.isBool())
        return (int)value;

    if (value.isInt64() || value.isDouble())
    {
        // Tested as a double first: converting one beyond int's range to int is undefined.
        const double d = value;
        if (! (d > lowest - 1.0 && d < highest + 1.0)) // also false for NaN
            return {};
        return value.isInt64() ? (int)(juce::int64)value : (int)d;
    }

    if (value.isString())
    {
        const auto text = value.toString().trim();
        const auto digits =
            text.startsWithChar ('-') || text.startsWithChar ('+') ? text.substring (1) : text;
        if (digits.isEmpty() || ! digits.containsOnly ("0123456789") || digits.length() > 10)
            return {};
        return integerOf (juce::var (text.getLargeIntValue()));
    }

    return {};
}

bool MEditorControl::bindParameter (const juce::String& name, juce::Value& target, bool touch)
{
    auto* data = find (name);
    if (data == nullptr)
        return false;

    target.referTo (data->value);

    if (touch)
        target.setValue (target.getValue());

    return true;
}
