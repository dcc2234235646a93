// One picture check per drawing the looks make their own.
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

TEST (QRX5EditorCustomLook, TickBoxIsAnEmptyFrameAndProgressFillsItsShareOrNothingWhenIndeterminate)
{
    QRX5EditorCustomLook look;
    juce::ToggleButton button;
    button.setSize (120, 20);
    const auto tick = drawn (120, 20, [&] (auto& g) { look.drawToggleButton (g, button, false, false); });
    EXPECT_EQ (tick.getPixelAt (4, 10), juce::Colours::black);
    EXPECT_EQ (tick.getPixelAt (12, 10).getAlpha(), 0);

    double progress = 0.0;
    juce::ProgressBar bar (progress);
    bar.setColour (juce::ProgressBar::backgroundColourId, juce::Colours::red);
    const auto drawAt = [&] (double p)
    { return drawn (102, 20, [&] (auto& g) { look.drawProgressBar (g, bar, 102, 20, p, {}); }); };
    const auto half = drawAt (0.5); // 50 pixels from x 1
    EXPECT_TRUE (half.getPixelAt (50, 10).getBlue() > 200 && half.getPixelAt (51, 10) == juce::Colours::red);
    EXPECT_EQ (drawAt (1.5).getPixelAt (50, 10), juce::Colours::red);
}
