// The texts drawn over the pictures stay readable, and a knob's states tell apart as they should.
#include "ui/EditorPictures.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace EditorPictures;

namespace
{
constexpr ViewState viewStates[] = { ViewState::normal, ViewState::over, ViewState::selected };

// Mean brightness (0..1) of an area, each pixel weighted by its alpha.
float brightness (const juce::Image& image, juce::Rectangle<int> area)
{
    double sum = 0.0, weight = 0.0;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
        {
            const auto c = image.getPixelAt (x, y);
            sum += c.getPerceivedBrightness() * c.getFloatAlpha();
            weight += c.getFloatAlpha();
        }
    return weight > 0.0 ? (float)(sum / weight) : 0.0f;
}

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

TEST (Pictures, TextsDrawnOverThePicturesStayReadable)
{
    // White text on the pads and the front panel's displays; black on switches and dialogs.
    for (auto state : viewStates)
        EXPECT_LT (brightness (pad (state), { 8, 10, 80, 80 }), 0.45f);
    EXPECT_GT (brightness (switchButton (ViewState::normal), { 10, 8, 20, 14 }), 0.5f);
    EXPECT_LT (brightness (editorBackground(), { 75, 95, 790, 100 }), 0.2f);
    EXPECT_GT (brightness (auxiliaryBackground(), { 0, 0, 633, 677 }), 0.6f);
}

TEST (Pictures, ASelectedKnobStandsOutAndAHoveredOneStaysNearTheNormalOne)
{
    const auto normal = knob (ViewState::normal), over = knob (ViewState::over),
               selected = knob (ViewState::selected);
    const auto hover = difference (normal, over);
    EXPECT_GT (difference (normal, selected), 2.0f * hover);
    EXPECT_GT (difference (over, selected), 2.0f * hover);
}
