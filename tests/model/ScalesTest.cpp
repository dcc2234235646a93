#include "model/Scales.h"

#include <gtest/gtest.h>

#include <limits>

// Each scale as its seven steps in semitones, repeating every octave from the root; only the
// root's low 8 bits count, however far out the rest of it lies, and notes are not clamped.
TEST (Scales, EveryScaleFollowsItsStepsOverOctavesAndWrapsToEightBits)
{
    const std::pair<juce::uint8 (*) (int, juce::uint8), const char*> scales[] = {
        { majorScaleNote, "2212221" },         { minorScaleNote, "2122122" },
        { phrygianScaleNote, "1222122" },      { melodicMinorScaleNote, "2122221" },
        { harmonicMinorScaleNote, "2122131" }, { mixolydianScaleNote, "2212212" },
        { lydianScaleNote, "2221221" },        { dorianScaleNote, "2122212" },
        { locrianScaleNote, "1221222" },
    };
    for (auto [note, steps] : scales)
    {
        for (int root : { 0, 60, 250, 256 + 60 })
            for (int degree = 0, expected = root; degree < 22; expected += steps[degree++ % 7] - '0')
                ASSERT_EQ (note (root, (juce::uint8)degree), expected % 256)
                    << steps << " " << root << " " << degree;
        for (int root : { std::numeric_limits<int>::max(), std::numeric_limits<int>::min(), -1, -200 })
            for (int degree : { 0, 6, 200, 255 })
                ASSERT_EQ (note (root, (juce::uint8)degree), note ((juce::uint8)root, (juce::uint8)degree))
                    << steps << " " << root << " " << degree;
    }
}
