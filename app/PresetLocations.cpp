#include "app/PresetLocations.h"

#include "ui/EditorStrings.h"

juce::String PresetLocations::getTitle (int location)
{
    if (! isValid (location))
        return {};

    return location == ram ? EditorStrings::ram : "Preset Slot " + juce::String (location);
}
