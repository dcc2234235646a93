#include "ui/PresetNameText.h"

#include "model/QRX5EditorPreset.h"

juce::String presetNameShown (const juce::String& storedName) { return storedName.trimCharactersAtEnd (" "); }

juce::String presetNameStored (const juce::String& shownName)
{
    return shownName.paddedRight (' ', QRX5EditorPreset::nameLength);
}
