// The device's 21 preset locations as every window lists them: 0 is the working memory,
// "RAM", and 1 to 20 are the slots, "Preset Slot 1" ... "Preset Slot 20". The number is the
// location the engine's sendPreset and requestPreset take.
#pragma once

#include <juce_core/juce_core.h>

namespace PresetLocations
{
constexpr int ram = 0;
constexpr int lastSlot = 20;
constexpr int numLocations = lastSlot + 1;

constexpr bool isValid (int location) { return location >= ram && location <= lastSlot; }

// The row title of a location; empty for a number that is no location.
juce::String getTitle (int location);
} // namespace PresetLocations
