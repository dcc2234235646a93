#include "QRX5EditorPreset.h"

QRX5EditorPreset::QRX5EditorPreset()
    : name (juce::var ("Preset"))
{
}

bool QRX5EditorPreset::setName (const juce::String& newName)
{
    bool valid = newName.length() <= nameLength;
    for (auto c : newName)
        valid = valid && static_cast<juce::uint32> (c) <= 127;

    if (! valid)
        return false;

    name.setValue (newName);
    return true;
}

juce::String QRX5EditorPreset::getName() const { return name.getValue().toString(); }

void QRX5EditorPreset::bindName (juce::Value& target)
{
    target.referTo (name);
    target.setValue (name.getValue());
}

bool QRX5EditorPreset::validateNameBytes (const juce::Array<juce::uint8>& bytes) const
{
    bool valid = bytes.size() == nameLength;
    for (auto b : bytes)
        valid = valid && b < 0x80;
    return valid;
}

juce::Array<juce::uint8> QRX5EditorPreset::getNameBytes() const
{
    juce::Array<juce::uint8> bytes;
    bytes.insertMultiple (0, ' ', nameLength);

    const auto text = getName();
    const int n = juce::jmin (text.length(), nameLength);
    for (int i = 0; i < n; ++i)
    {
        const auto c = static_cast<juce::uint32> (text[i]);
        bytes.set (i, static_cast<juce::uint8> (c <= 127 ? c : '?'));
    }
    return bytes;
}
