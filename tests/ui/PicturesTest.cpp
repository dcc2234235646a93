// A knob's states tell apart as they should.
#include "ui/EditorPictures.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace EditorPictures;

namespace
{
// Root-mean-square colour difference (0..1) of two pictures of one size laid on the front
// panel's dark grey.
float difference (const juce::Image& a, const juce::Image& b)
{
    const auto panel = juce::Colour (42, 44, 48);
    double sum = 0.0;
    for (int y = 0; y < a.getHeight(); ++y)
        for (int x = 0; x < a.getWidth(); ++x)
        {
            const auto p = panel.overlaidWith (a.getPixelAt (x, y)),
                       q = panel.overlaidWith (b.getPixelAt (x, y));
            sum += juce::square (p.getFloatRed() - q.getFloatRed()) +
                   juce::square (p.getFloatGreen() - q.getFloatGreen()) +
                   juce::square (p.getFloatBlue() - q.getFloatBlue());
        }
    return (float)std::sqrt (sum / (3.0 * a.getWidth() * a.getHeight()));
}
} // namespace

TEST (Pictures, ASelectedKnobStandsOutAndAHoveredOneStaysNearTheNormalOne)
{
    const auto normal = knob (ViewState::normal), over = knob (ViewState::over),
               selected = knob (ViewState::selected);
    const auto hover = difference (normal, over);
    EXPECT_GT (difference (normal, selected), 2.0f * hover);
    EXPECT_GT (difference (over, selected), 2.0f * hover);
}
