// A pad view writes its pad's settings on itself and frames itself in its LED colours.
#include "ViewTestSupport.h"

#include "model/DefaultPreset.h"
#include "ui/EditorPictures.h"
#include "ui/PadView.h"

#include <gtest/gtest.h>

namespace
{
const juce::Colour normalColour (40, 40, 40), overColour (90, 90, 90), selectedColour (20, 60, 200);

class PadViewTest : public testing::Test
{
protected:
    // Pad 17 of the default preset (off ORANGE, on GREEN BLUE), on solid pictures.
    void SetUp() override
    {
        view = new PadView (pad.get(), "17", viewtest::solidPicture (normalColour, 98, 101),
                            viewtest::solidPicture (overColour, 98, 101),
                            viewtest::solidPicture (selectedColour, 98, 101));
    }

    void TearDown() override { view->releaseComponent(); }

    // Sets the parameters and waits for the view to show `expected`.
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

    juce::Image render (bool mouseOver = false)
    {
        juce::Image image (juce::Image::ARGB, 98, 101, true);
        juce::Graphics g (image);
        view->paintButton (g, mouseOver, false);
        return image;
    }

    // Every pixel of `area` that the overlay picture leaves clear shows `expected`.
    static void expectColour (const juce::Image& image, juce::Rectangle<int> area, juce::Colour expected)
    {
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
    PadView::Ptr view;
};

// Inside the two-pixel edges, clear of the text.
const juce::Rectangle<int> bottomEdge (60, 90, 30, 2), leftEdge (4, 10, 2, 60), rightEdge (92, 10, 2, 80);
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

    const auto lines = view->getTextLines();
    EXPECT_EQ (juce::Rectangle<int> (lines[1].x, lines[1].y, lines[1].width, 20),
               juce::Rectangle<int> (8, 30, 46, 20));
    EXPECT_EQ (juce::Rectangle<int> (lines[2].x, lines[2].y, lines[2].width, 20),
               juce::Rectangle<int> (51, 30, 46, 20));

    for (int type : { 3, 127 })
        EXPECT_TRUE (showsAfter ({ { "Parameter Type", type } }, { "PROG:9", "MIDI CH:A3", "17" })) << type;
}

TEST_F (PadViewTest, NamesChannelsAndTriggerModesAndShowsOtherNumbersAsTheyAre)
{
    const std::tuple<int, int, const char*, const char*> cases[] = {
        { 16, 0, "MIDI CH:A16", "MOM" },  { 17, 1, "MIDI CH:B1", "TOG" },   { 32, 2, "MIDI CH:B16", "2" },
        { 33, 127, "MIDI CH:33", "127" }, { 127, 1, "MIDI CH:127", "TOG" },
    };

    for (auto [channel, mode, channelLine, triggerLine] : cases)
        EXPECT_TRUE (showsAfter ({ { "MIDI Channel", channel }, { "Note Toggle Mode", mode } },
                                 { "NOTE:52 (E3)", triggerLine, channelLine, "17" }))
            << texts().joinIntoString (" | ");
}

TEST_F (PadViewTest, FramesItselfInItsOffAndOnColours)
{
    const auto& palette = PadView::getPalette();
    expectColour (render(), bottomEdge, palette[2]);
    expectColour (render(), leftEdge, palette[2]);
    expectColour (render(), rightEdge, palette[6]);

    pad->setParameterValue ("Color Off", juce::Value (5));
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return view->getOffColour() == palette[5]; }, 2000));
    EXPECT_EQ (palette[5], juce::Colour (28, 233, 30));
    expectColour (render(), bottomEdge, palette[5]);
    expectColour (render(), leftEdge, palette[5]);
    expectColour (render(), rightEdge, palette[6]);

    pad->setParameterValue ("Color Off", juce::Value (17));
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return view->getOffColour().isTransparent(); }, 2000));
    expectColour (render(), bottomEdge, normalColour);
    expectColour (render(), leftEdge, normalColour);
}

TEST_F (PadViewTest, TheSelectedPictureWinsOverHover)
{
    const juce::Rectangle<int> quiet (80, 60, 8, 10);
    expectColour (render (false), quiet, normalColour);
    expectColour (render (true), quiet, overColour);

    view->setToggleState (true, juce::dontSendNotification);
    expectColour (render (true), quiet, selectedColour);
}
