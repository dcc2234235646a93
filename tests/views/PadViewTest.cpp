// A pad view writes its pad's settings on itself.
#include "ViewTestSupport.h"

#include "model/DefaultPreset.h"
#include "ui/PadView.h"

#include <gtest/gtest.h>

// Pad 17 of the default preset, on a solid picture.
TEST (PadViewTest, ShowsTheLinesOfItsTypeAndFollowsTheModel)
{
    auto preset = makeDefaultPreset();
    auto pad = preset->getPad (16);
    const auto picture = viewtest::solidPicture (juce::Colours::darkgrey, 98, 101);
    PadView::Ptr view = new PadView (pad.get(), "17", picture, picture, picture);
    const auto texts = [&]
    {
        juce::StringArray result;
        for (const auto& line : view->getTextLines())
            result.add (line.text);
        return result;
    };
    // Sets the parameters and waits for the view's lines to read `expected`.
    const auto showsAfter =
        [&] (std::initializer_list<std::pair<const char*, int>> settings, const juce::StringArray& expected)
    {
        for (auto [name, value] : settings)
            pad->setParameterValue (name, juce::Value (value));
        return testutil::runLoopUntil ([&] { return texts() == expected; }, 2000);
    };

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
    view->releaseComponent();
}
