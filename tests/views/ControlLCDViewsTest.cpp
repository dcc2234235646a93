// The parameter views of pads, knobs, faders and switches: the page of the current type, the
// page following type changes made anywhere, and widgets that write the model directly.
#include "ViewTestSupport.h"

#include "model/DefaultPreset.h"
#include "ui/FaderLCDView.h"
#include "ui/KnobLCDView.h"
#include "ui/PadLCDView.h"
#include "ui/SwitchLCDView.h"

#include <gtest/gtest.h>

using namespace viewtest;

namespace
{
bool waitForPage (LCDView& view, int page)
{
    return testutil::runLoopUntil ([&] { return view.getVisiblePageIndex() == page; }, 2000);
}

int get (MEditorControl& control, const char* parameter)
{
    return control.getParameterValue (parameter).getValue();
}
} // namespace

TEST (ControlLCDViews, APadViewShowsThePageOfItsTypeAndFollowsPicksAndLoadedPresets)
{
    auto preset = makeDefaultPreset();
    auto pad = preset->getPad (3);
    pad->setParameterValue ("Parameter Type", juce::Value (2));
    PadLCDView view (pad, "Pad 4");

    EXPECT_EQ (chooser (view, "TYPE").getText(), "PROGRAM BANK");
    EXPECT_EQ (shownCaptions (view),
               juce::StringArray ("TYPE: ", "MIDI CHANNEL: ", "PROGRAM NUMBER: ", "PROGRAM MSB: ",
                                  "PROGRAM LSB: ", "MIDI TO DIN: ", "ON COLOR: ", "OFF COLOR: "));
    EXPECT_EQ (chooser (view, "ON COLOR").getText(), "GREEN");

    pick (chooser (view, "TYPE"), "PROGRAM");
    EXPECT_EQ (get (*pad, "Parameter Type"), 1);
    EXPECT_EQ (view.getVisiblePageIndex(), 2) << "the page follows the notification, not the pick";
    ASSERT_TRUE (waitForPage (view, 1));

    // A file load: the whole image is read into the shown preset.
    auto loaded = makeDefaultPreset();
    loaded->getPad (3)->setParameterValue ("MIDI Channel", juce::Value (32));
    ASSERT_TRUE (preset->setFromData (loaded->getData()));
    ASSERT_TRUE (waitForPage (view, 0));
    EXPECT_TRUE (
        testutil::runLoopUntil ([&] { return chooser (view, "MIDI CHANNEL").getText() == "B16"; }, 2000));
    EXPECT_EQ (numberBox (view, "MIDI NOTE").getValue(), 39);
    EXPECT_EQ (chooser (view, "AFTERTOUCH").getText(), "CHANNEL");
}

TEST (ControlLCDViews, WidgetsWriteTheModelAndATypedNumberOutOfRangeIsRefused)
{
    auto preset = makeDefaultPreset();
    auto pad = preset->getPad (0);
    PadLCDView view (pad, "Pad 1");

    pick (chooser (view, "OFF COLOR"), "BLUE");
    EXPECT_EQ (get (*pad, "Color Off"), 9);

    ASSERT_TRUE (typeInto (numberBox (view, "MIDI NOTE"), "60"));
    EXPECT_EQ (pad->getData()[2], 60);
    ASSERT_TRUE (typeInto (numberBox (view, "MIDI NOTE"), "200"));
    testutil::runLoopFor (20);
    EXPECT_EQ (pad->getData()[2], 60);
    EXPECT_EQ (numberBox (view, "MIDI NOTE").getValue(), 60);

    // Widgets of hidden pages follow their parameters too.
    pad->setParameterValue ("Program Number", juce::Value (77));
    auto* program = dynamic_cast<NumberBoxComponent<int>*> (findWidget (view, "PROGRAM NUMBER", 1));
    EXPECT_TRUE (testutil::runLoopUntil ([&] { return program->getValue() == 77; }, 2000));
}

TEST (ControlLCDViews, KnobFaderAndSwitchViewsFollowTypesSetByTheAutoPopulateTool)
{
    auto preset = makeDefaultPreset();
    auto knob = preset->getKnob (0);
    KnobLCDView knobView (knob, "Knob 1");
    EXPECT_EQ (shownCaptions (knobView), juce::StringArray ("TYPE: ", "MIDI CHANNEL: ", "MIDI CC: ", "",
                                                            "MIN: ", "MAX: ", "MIDI TO DIN: "));
    knob->setParameterValue ("Parameter Type", juce::Value (3));
    ASSERT_TRUE (waitForPage (knobView, 3));
    EXPECT_EQ (chooser (knobView, "TYPE").getText(), "INC/DEC 2");

    auto fader = preset->getFader (5);
    FaderLCDView faderView (fader, "Fader 6");
    EXPECT_EQ (numberBox (faderView, "MIDI CC").getValue(), 62);
    fader->setParameterValue ("Parameter Type", juce::Value (2)); // in the model's range, but no page
    ASSERT_TRUE (
        testutil::runLoopUntil ([&] { return chooser (faderView, "TYPE").getSelectedId() == 0; }, 2000));
    EXPECT_EQ (faderView.getVisiblePageIndex(), 0);

    auto switchControl = preset->getSwitch (0);
    SwitchLCDView switchView (switchControl, "Switch 1");
    EXPECT_EQ (chooser (switchView, "TRIGGER MODE").getText(), "TOGGLE");
    switchControl->setParameterValue ("Parameter Type", juce::Value (4));
    ASSERT_TRUE (waitForPage (switchView, 4));
    EXPECT_EQ (shownCaptions (switchView), juce::StringArray ("TYPE: ", "KEY 1: ", "KEY 2: "));
    EXPECT_EQ (chooser (switchView, "KEY 1").getText(), "RETURN");
}
