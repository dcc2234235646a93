// A pad view writes its pad's settings on itself and frames itself in its LED colours.
#include "ViewTestSupport.h"

#include "model/DefaultPreset.h"
#include "ui/EditorPictures.h"
#include "ui/PadView.h"

#include <gtest/gtest.h>

namespace
{
const juce::Colour normalColour (40, 40, 40), overColour (90, 90, 90), selectedColour (20, 60, 200);

// Pad 17 of the default preset (off ORANGE, on GREEN BLUE), on solid pictures.
class PadViewTest : public testing::Test
{
protected:
    void TearDown() override { view->releaseComponent(); }

    // Sets the parameters and waits for the view's lines to read `expected`.
    bool showsAfter (std::initializer_list<std::pair<const char*, int>> settings,
                     const juce::StringArray& expected)
    {
        for (auto [name, value] : settings)
            pad->setParameterValue (name, juce::Value (value));
        return testutil::runLoopUntil ([&] { return texts() == expected; }, 2000);
    }

    juce::StringArray texts() const
    {
        juce::StringArray result;
        for (const auto& line : view->getTextLines())
            result.add (line.text);
        return result;
    }

    // Every pixel of `area` that the overlay picture leaves clear is painted `expected`.
    void expectColour (juce::Rectangle<int> area, juce::Colour expected, bool mouseOver = false)
    {
        juce::Image image (juce::Image::ARGB, 98, 101, true);
        juce::Graphics g (image);
        view->paintButton (g, mouseOver, false);
        int checked = 0;
        for (int y = area.getY(); y < area.getBottom(); ++y)
            for (int x = area.getX(); x < area.getRight(); ++x)
                if (EditorPictures::padOverlay().getPixelAt (x, y).getAlpha() == 0)
                {
                    ++checked;
                    ASSERT_EQ (image.getPixelAt (x, y), expected) << x << ", " << y;
                }
        EXPECT_GT (checked, 0);
    }

    QRX571EditorPreset::Ptr preset = makeDefaultPreset();
    QRX5Pad::Ptr pad = preset->getPad (16);
    PadView::Ptr view = new PadView (pad.get(), "17", viewtest::solidPicture (normalColour, 98, 101),
                                     viewtest::solidPicture (overColour, 98, 101),
                                     viewtest::solidPicture (selectedColour, 98, 101));
};
} // namespace

TEST_F (PadViewTest, ShowsTheLinesOfItsTypeAndFollowsTheModel)
{
    EXPECT_EQ (view->getBounds(), juce::Rectangle<int> (0, 0, 98, 101));
    EXPECT_EQ (texts(), juce::StringArray ("NOTE:52 (E3)", "MOM", "MIDI CH:COM", "17"));
    EXPECT_TRUE (showsAfter ({ { "MIDI Note", 60 }, { "Note Toggle Mode", 1 }, { "MIDI Channel", 3 } },
                             { "NOTE:60 (C4)", "TOG", "MIDI CH:A3", "17" }));
    EXPECT_TRUE (
        showsAfter ({ { "Program Number", 9 }, { "Parameter Type", 1 } }, { "PROG:9", "MIDI CH:A3", "17" }));
    EXPECT_TRUE (showsAfter ({ { "Program MSB", 3 }, { "Program LSB", 4 }, { "Parameter Type", 2 } },
                             { "PROG:9", "MSB:3", "LSB:4", "MIDI CH:A3", "17" }));

    // Program bank's second line: MSB on the left half, LSB on the right.
    const auto lines = view->getTextLines();
    EXPECT_TRUE (lines[1].y == lines[2].y && lines[1].x < lines[2].x);

    // Other types draw as a program; channels and trigger modes without a name show their number.
    const std::tuple<int, int, int, const char*, const char*> cases[] = {
        { 3, 16, 0, "MIDI CH:A16", "MOM" },
        { 127, 17, 1, "MIDI CH:B1", "TOG" },
        { 0, 32, 2, "MIDI CH:B16", "2" },
        { 0, 127, 127, "MIDI CH:127", "127" },
    };
    for (auto [type, channel, mode, channelLine, triggerLine] : cases)
        EXPECT_TRUE (showsAfter (
            { { "Parameter Type", type }, { "MIDI Channel", channel }, { "Note Toggle Mode", mode } },
            type == 0 ? juce::StringArray ("NOTE:60 (C4)", triggerLine, channelLine, "17")
                      : juce::StringArray ("PROG:9", channelLine, "17")))
            << texts().joinIntoString (" | ");
}

TEST_F (PadViewTest, FramesItselfInItsLedColoursAndTheSelectedPictureWinsOverHover)
{
    // Inside the two-pixel bottom, left and right edges, clear of the text.
    const juce::Rectangle<int> bottom (60, 90, 30, 2), left (4, 10, 2, 60), right (92, 10, 2, 80);
    const auto& palette = PadView::getPalette();

    // 17 is past the palette's end: transparent, so those edges are left undrawn.
    for (auto [colourOff, shown] : { std::pair (2, palette[2]), { 5, palette[5] }, { 17, normalColour } })
    {
        pad->setParameterValue ("Color Off", juce::Value (colourOff));
        ASSERT_TRUE (
            testutil::runLoopUntil ([&] { return view->getOffColour() == palette[colourOff]; }, 2000));
        expectColour (bottom, shown);
        expectColour (left, shown);
        expectColour (right, palette[6]);
    }

    const juce::Rectangle<int> quiet (80, 60, 8, 10);
    expectColour (quiet, normalColour);
    expectColour (quiet, overColour, true);
    view->setToggleState (true, juce::dontSendNotification);
    expectColour (quiet, selectedColour, true);
}
