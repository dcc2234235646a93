// Notes of the nine scales the auto-populate tool offers: root plus the degree's interval,
// an octave higher every seven degrees, wrapped to 8 bits (not limited to 0..127).
#pragma once

#include <juce_core/juce_core.h>

juce::uint8 majorScaleNote (int root, juce::uint8 degree);
juce::uint8 minorScaleNote (int root, juce::uint8 degree);
juce::uint8 phrygianScaleNote (int root, juce::uint8 degree);
juce::uint8 melodicMinorScaleNote (int root, juce::uint8 degree);
juce::uint8 harmonicMinorScaleNote (int root, juce::uint8 degree);
juce::uint8 mixolydianScaleNote (int root, juce::uint8 degree);
juce::uint8 lydianScaleNote (int root, juce::uint8 degree);
juce::uint8 dorianScaleNote (int root, juce::uint8 degree);
juce::uint8 locrianScaleNote (int root, juce::uint8 degree);
