#include "Scales.h"

namespace
{
using Intervals = int[7];

juce::uint8 scaleNote (const Intervals& intervals, int root, juce::uint8 degree)
{
    // Only the root's low 8 bits matter; taking them first keeps the sum far from int's limits.
    return static_cast<juce::uint8> (static_cast<juce::uint8> (root) + intervals[degree % 7] +
                                     12 * (degree / 7));
}

const Intervals major{ 0, 2, 4, 5, 7, 9, 11 };
const Intervals minor{ 0, 2, 3, 5, 7, 8, 10 };
const Intervals phrygian{ 0, 1, 3, 5, 7, 8, 10 };
const Intervals melodicMinor{ 0, 2, 3, 5, 7, 9, 11 };
const Intervals harmonicMinor{ 0, 2, 3, 5, 7, 8, 11 };
const Intervals mixolydian{ 0, 2, 4, 5, 7, 9, 10 };
const Intervals lydian{ 0, 2, 4, 6, 7, 9, 11 };
const Intervals dorian{ 0, 2, 3, 5, 7, 9, 10 };
const Intervals locrian{ 0, 1, 3, 5, 6, 8, 10 };
} // namespace

juce::uint8 majorScaleNote (int root, juce::uint8 degree) { return scaleNote (major, root, degree); }

juce::uint8 minorScaleNote (int root, juce::uint8 degree) { return scaleNote (minor, root, degree); }

juce::uint8 phrygianScaleNote (int root, juce::uint8 degree) { return scaleNote (phrygian, root, degree); }

juce::uint8 melodicMinorScaleNote (int root, juce::uint8 degree)
{
    return scaleNote (melodicMinor, root, degree);
}

juce::uint8 harmonicMinorScaleNote (int root, juce::uint8 degree)
{
    return scaleNote (harmonicMinor, root, degree);
}

juce::uint8 mixolydianScaleNote (int root, juce::uint8 degree)
{
    return scaleNote (mixolydian, root, degree);
}

juce::uint8 lydianScaleNote (int root, juce::uint8 degree) { return scaleNote (lydian, root, degree); }

juce::uint8 dorianScaleNote (int root, juce::uint8 degree) { return scaleNote (dorian, root, degree); }

juce::uint8 locrianScaleNote (int root, juce::uint8 degree) { return scaleNote (locrian, root, degree); }
