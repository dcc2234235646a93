#include "ui/CustomLookForAuxiliaryWindows.h"
#include "ui/QRX5EditorCustomLook.h"

#include <gtest/gtest.h>

namespace
{
template <typename Draw>
juce::Image drawn (int width, int height, Draw&& draw)
{
    juce::Image image (juce::Image::ARGB, width, height, true);
    juce::Graphics g (image);
    draw (g);
    return image;
}
} // namespace

TEST (QRX5EditorCustomLook, TickBoxOfATwentyHighToggleIsAnEmptyFrameInsideItsRow)
{
    QRX5EditorCustomLook look;
    juce::ToggleButton button;
    button.setSize (120, 20);
    const auto image = drawn (120, 20, [&] (auto& g) { look.drawToggleButton (g, button, false, false); });

    EXPECT_EQ (image.getPixelAt (4, 10), juce::Colours::black);
    for (auto [x, y] : { std::pair (3, 10), { 21, 10 }, { 12, 0 }, { 12, 10 } }) // outside, and inside
        EXPECT_EQ (image.getPixelAt (x, y).getAlpha(), 0) << x << ", " << y;
}

TEST (QRX5EditorCustomLook, ProgressFillsItsShareOfTheInsideAndNothingWhenIndeterminate)
{
    QRX5EditorCustomLook look;
    double progress = 0.0;
    juce::ProgressBar bar (progress);
    bar.setColour (juce::ProgressBar::backgroundColourId, juce::Colours::red);
    const auto drawAt = [&] (double p)
    { return drawn (102, 20, [&] (auto& g) { look.drawProgressBar (g, bar, 102, 20, p, {}); }); };
    const auto blue = [] (juce::Colour c) { return c.getBlue() > 200 && c.getRed() < 80; };

    const auto half = drawAt (0.5); // 50 pixels from x 1
    EXPECT_TRUE (blue (half.getPixelAt (1, 10)) && blue (half.getPixelAt (50, 10)));
    for (auto [x, y] : { std::pair (0, 10), { 51, 10 }, { 20, 0 } })
        EXPECT_EQ (half.getPixelAt (x, y), juce::Colours::red) << x << ", " << y;
    EXPECT_EQ (drawAt (1.5).getPixelAt (50, 10), juce::Colours::red);
}

TEST (CustomLookForAuxiliaryWindows, ChooserArrowPointsDownNearTheRightEdge)
{
    CustomLookForAuxiliaryWindows look;
    juce::ComboBox box;
    box.setColour (juce::ComboBox::backgroundColourId, juce::Colours::black);
    box.setColour (juce::ComboBox::arrowColourId, juce::Colours::white);
    const auto image =
        drawn (100, 30, [&] (auto& g) { look.drawComboBox (g, 100, 30, false, 0, 0, 0, 0, box); });

    EXPECT_GT (image.getPixelAt (90, 17).getBrightness(),
               0.9f); // base from x 85 to 95 at y 15, tip at (90, 19)
    for (auto [x, y] : { std::pair (90, 14), { 90, 19 }, { 83, 15 }, { 96, 15 } })
        EXPECT_LT (image.getPixelAt (x, y).getBrightness(), 0.05f) << x << ", " << y;
}
