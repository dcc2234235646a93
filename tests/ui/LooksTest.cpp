// One picture check per drawing the looks make their own.
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

TEST (CustomLookForAuxiliaryWindows, ChooserArrowPointsDownNearTheRightEdge)
{
    CustomLookForAuxiliaryWindows look;
    juce::ComboBox box;
    box.setColour (juce::ComboBox::backgroundColourId, juce::Colours::black);
    box.setColour (juce::ComboBox::arrowColourId, juce::Colours::white);
    const auto image =
        drawn (100, 30, [&] (auto& g) { look.drawComboBox (g, 100, 30, false, 0, 0, 0, 0, box); });

    // Base from x 85 to 95 at y 15, tip at (90, 19).
    EXPECT_GT (image.getPixelAt (90, 17).getBrightness(), 0.9f);
    EXPECT_LT (image.getPixelAt (90, 14).getBrightness(), 0.05f);
}
