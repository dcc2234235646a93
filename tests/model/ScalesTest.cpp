#include "model/Scales.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{
// Degrees from whole and half steps; the modes as rotations of the major scale's steps.
std::vector<int> degrees (std::vector<int> steps, int rotation = 0)
{
    std::rotate (steps.begin(), steps.begin() + rotation, steps.end());
    std::vector<int> out{ 0 };
    for (int i = 0; i < 6; ++i)
        out.push_back (out.back() + steps[(size_t)i]);
    return out;
}

const std::vector<int> majorSteps{ 2, 2, 1, 2, 2, 2, 1 };
const std::pair<juce::uint8 (*) (int, juce::uint8), std::vector<int>> scales[] = {
    { majorScaleNote, degrees (majorSteps) },
    { minorScaleNote, degrees (majorSteps, 5) },
    { phrygianScaleNote, degrees (majorSteps, 2) },
    { melodicMinorScaleNote, degrees ({ 2, 1, 2, 2, 2, 2, 1 }) },
    { harmonicMinorScaleNote, degrees ({ 2, 1, 2, 2, 1, 3, 1 }) },
    { mixolydianScaleNote, degrees (majorSteps, 4) },
    { lydianScaleNote, degrees (majorSteps, 3) },
    { dorianScaleNote, degrees (majorSteps, 1) },
    { locrianScaleNote, degrees (majorSteps, 6) },
};
} // namespace

TEST (Scales, EveryScaleFollowsItsStepsOverOctavesAndWrapsToEightBits)
{
    for (size_t s = 0; s < std::size (scales); ++s)
        for (int root : { 0, 60, 250, 256 + 60 })
            for (int degree = 0; degree < 22; ++degree)
                EXPECT_EQ (scales[s].first (root, static_cast<juce::uint8> (degree)),
                           (root + scales[s].second[(size_t)degree % 7] + 12 * (degree / 7)) % 256)
                    << "scale " << s << " root " << root << " degree " << degree;

    EXPECT_EQ (majorScaleNote (60, 3), 65);
    EXPECT_EQ (locrianScaleNote (0, 13), 22);
    EXPECT_EQ (minorScaleNote (120, 14), 144); // not clamped to the MIDI range
    EXPECT_EQ (dorianScaleNote (250, 21), 30);
}
