// The font scan ahead changes no font the program gets, and gives the default look back.
#include "app/desktop/FontScanAhead.h"

#include <gtest/gtest.h>

TEST (FontScanAheadTest, FontsResolveAsWithoutItAndTheDefaultLookComesBack)
{
    auto& desktop = juce::Desktop::getInstance();
    auto* before = &desktop.getDefaultLookAndFeel();

    // A fresh lookup each time, so it goes through the default look.
    const auto resolve = [] (const juce::Font& font)
    {
        juce::Typeface::clearTypefaceCache();
        return std::make_pair (font.getTypefacePtr()->getName(), font.getStringWidthFloat ("Preset 12"));
    };
    const juce::Font fonts[] = { juce::Font (15.0f), juce::Font (14.0f, juce::Font::bold) };

    for (const auto& font : fonts)
    {
        const auto without = resolve (font);
        {
            FontScanAhead scan;
            EXPECT_EQ (&desktop.getDefaultLookAndFeel(), &scan);
            EXPECT_EQ (resolve (font), without);
        }
        EXPECT_EQ (&desktop.getDefaultLookAndFeel(), before);
    }
}
