#include "ui/CustomLookForAuxiliaryWindows.h"
#include "ui/QRX5EditorCustomLook.h"

#include <gtest/gtest.h>

namespace
{
int alphaAt (const juce::Image& image, int x, int y) { return image.getPixelAt (x, y).getAlpha(); }
} // namespace

TEST (QRX5EditorCustomLook, TickBoxOfATwentyHighToggle)
{
    QRX5EditorCustomLook look;
    juce::ToggleButton button;
    button.setSize (120, 20);
    juce::Image image (juce::Image::ARGB, 120, 20, true);
    juce::Graphics g (image);
    look.drawToggleButton (g, button, false, false);

    // 16.5 wide from x 4 to 20.5, y 1.75 to 18.25, drawn with a one pixel line inside.
    EXPECT_EQ (alphaAt (image, 3, 10), 0);
    EXPECT_EQ (image.getPixelAt (4, 10), juce::Colours::black);
    EXPECT_GT (alphaAt (image, 20, 10), 0);
    EXPECT_EQ (alphaAt (image, 21, 10), 0);
    EXPECT_EQ (alphaAt (image, 12, 0), 0);
    EXPECT_GT (alphaAt (image, 12, 2), 127);
    EXPECT_EQ (alphaAt (image, 12, 10), 0) << "unticked: empty inside";
}

TEST (QRX5EditorCustomLook, ProgressFillsItsShareOfTheInside)
{
    QRX5EditorCustomLook look;
    double progress = 0.0;
    juce::ProgressBar bar (progress);
    bar.setColour (juce::ProgressBar::backgroundColourId, juce::Colours::red);

    const auto drawAt = [&] (double p)
    {
        juce::Image image (juce::Image::ARGB, 102, 20, true);
        juce::Graphics g (image);
        look.drawProgressBar (g, bar, 102, 20, p, {});
        return image;
    };
    const auto blue = [] (juce::Colour c) { return c.getBlue() > 200 && c.getRed() < 80; };

    const auto half = drawAt (0.5); // 50 pixels from x 1
    EXPECT_EQ (half.getPixelAt (0, 10), juce::Colours::red);
    EXPECT_TRUE (blue (half.getPixelAt (1, 10)));
    EXPECT_TRUE (blue (half.getPixelAt (50, 10)));
    EXPECT_EQ (half.getPixelAt (51, 10), juce::Colours::red);
    EXPECT_EQ (half.getPixelAt (20, 0), juce::Colours::red);

    const auto beyond = drawAt (1.5);
    EXPECT_EQ (beyond.getPixelAt (50, 10), juce::Colours::red) << "indeterminate: background only";
}

TEST (CustomLookForAuxiliaryWindows, ChooserArrowPointsDownNearTheRightEdge)
{
    CustomLookForAuxiliaryWindows look;
    juce::ComboBox box;
    box.setColour (juce::ComboBox::backgroundColourId, juce::Colours::black);
    box.setColour (juce::ComboBox::arrowColourId, juce::Colours::white);
    juce::Image image (juce::Image::ARGB, 100, 30, true);
    juce::Graphics g (image);
    look.drawComboBox (g, 100, 30, false, 0, 0, 0, 0, box);

    const auto bright = [&] (int x, int y) { return image.getPixelAt (x, y).getBrightness(); };

    // Base from x 85 to 95 at y 15, tip at (90, 19).
    EXPECT_GT (bright (90, 17), 0.9f);
    EXPECT_GT (bright (87, 15), 0.6f);
    EXPECT_LT (bright (90, 14), 0.05f);
    EXPECT_LT (bright (90, 19), 0.05f);
    EXPECT_LT (bright (83, 15), 0.05f);
    EXPECT_LT (bright (96, 15), 0.05f);
}
