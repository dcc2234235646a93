#include "ui/ShownPresetNameSource.h"

#include "ui/PresetNameText.h"

ShownPresetNameSource::ShownPresetNameSource (QRX5EditorPreset::Ptr presetToShow)
    : preset (std::move (presetToShow))
{
    preset->bindName (name);
    name.addListener (this);
}

juce::var ShownPresetNameSource::getValue() const
{
    // The box keeps a blank the user has just typed at the end, until the next key.
    const auto shown = presetNameShown (name.toString());
    return presetNameShown (typed) == shown ? typed : shown;
}

void ShownPresetNameSource::setValue (const juce::var& newValue)
{
    typed = newValue.toString();

    // Only a change the user can see renames the preset: the box showing a name leaves it alone.
    if (presetNameShown (typed) != presetNameShown (name.toString()))
        preset->setName (presetNameStored (typed));
}
