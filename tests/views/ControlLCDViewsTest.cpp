// The parameter views: a page per type following changes made anywhere, and widgets bound to
// their parameters. Every page is rendered under the build folder (view-renders/) for review.
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

// Shows each page through the control's type and renders it; then flips each of `parameters` between 0 and 1
// and waits for the widget named at the same place in `widgets`, on whichever page holds it, to follow.
void expectPagesAndBindings (LCDView&& view, MEditorControl& control, int pages,
                             const juce::String& parameters, const juce::String& widgets)
{
    view.setSize (490, 100);
    ASSERT_EQ (view.getNumPages(), pages);
    for (int type = 0; type < pages; ++type)
    {
        control.setParameterValue ("Parameter Type", juce::Value (type));
        ASSERT_TRUE (waitForPage (view, type));
        const auto name =
            view.getTitle().toLowerCase().removeCharacters (" ") + "-page" + juce::String (type);
        EXPECT_TRUE (renderForReview (view, "view-renders/" + name));
    }

    const auto names = juce::StringArray::fromTokens (widgets, "|", {});
    const auto keys = juce::StringArray::fromTokens (parameters, "|", {});
    ASSERT_EQ (keys.size(), names.size());
    for (int i = 0; i < keys.size(); ++i)
    {
        const int v = get (control, keys[i].toRawUTF8()) == 1 ? 0 : 1;
        control.setParameterValue (keys[i], juce::Value (v));
        const auto shows = [&]
        {
            for (int page = 0; page < view.getNumPages(); ++page)
                if (auto* box = dynamic_cast<juce::ComboBox*> (findWidget (view, names[i], page)))
                    return box->getSelectedId() == v + 1;
                else if (auto* number =
                             dynamic_cast<NumberBoxComponent<int>*> (findWidget (view, names[i], page)))
                    return number->getValue() == v;
            return false;
        };
        EXPECT_TRUE (testutil::runLoopUntil (shows, 2000)) << keys[i];
    }
}
} // namespace

TEST (ControlLCDViews, EveryPageRendersAndEveryWidgetFollowsItsParameter)
{
    auto preset = makeDefaultPreset();
    expectPagesAndBindings (
        PadLCDView (preset->getPad (0), "Pad 1"), *preset->getPad (0), 3,
        "Parameter Type|MIDI Channel|MIDI Note|Aftertouch Type|Note Toggle Mode|Program Number|Program MSB|"
        "Program LSB|To MIDI Din|Color On|Color Off",
        "TYPE|MIDI CHANNEL|MIDI NOTE|AFTERTOUCH|TRIGGER MODE|PROGRAM NUMBER|PROGRAM MSB|PROGRAM LSB|"
        "MIDI TO DIN|ON COLOR|OFF COLOR");
    expectPagesAndBindings (
        KnobLCDView (preset->getKnob (0), "Knob 1"), *preset->getKnob (0), 4,
        "Parameter Type|MIDI Channel|CC Number|Min Value|Max Value|NRPN MSB|NRPN LSB|NRPN Value|To MIDI DIN",
        "TYPE|MIDI CHANNEL|MIDI CC|MIN|MAX|NRPN MSB|NRPN LSB|VALUE|MIDI TO DIN");
    expectPagesAndBindings (FaderLCDView (preset->getFader (0), "Fader 1"), *preset->getFader (0), 2,
                            "Parameter Type|MIDI Channel|CC Number|Min Value|Max Value|To MIDI DIN",
                            "TYPE|MIDI CHANNEL|MIDI CC|MIN|MAX|MIDI TO DIN");
    expectPagesAndBindings (
        SwitchLCDView (preset->getSwitch (0), "Switch 1"), *preset->getSwitch (0), 5,
        "Parameter Type|MIDI Channel|MIDI CC|Switch Mode|Program Number|Program MSB|Program LSB|To Midi Din|"
        "MIDI Note|Note Velocity|Key 1|Key 2",
        "TYPE|MIDI CHANNEL|MIDI CC|TRIGGER MODE|PROGRAM NUMBER|PROGRAM MSB|PROGRAM LSB|MIDI TO DIN|MIDI NOTE|"
        "VELOCITY|KEY 1|KEY 2");
}

TEST (ControlLCDViews, APadViewOpensOnItsTypeAndFollowsPicksAndLoadsButNotATypeWithNoPage)
{
    auto preset = makeDefaultPreset();
    auto pad = preset->getPad (3);
    pad->setParameterValue ("Parameter Type", juce::Value (2));
    PadLCDView view (pad, "Pad 4");
    EXPECT_EQ (view.getVisiblePageIndex(), 2);

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

    // A type with no page (3 is in the model's range) leaves the page that was showing.
    pad->setParameterValue ("Parameter Type", juce::Value (3));
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return chooser (view, "TYPE").getSelectedId() == 0; }, 2000));
    EXPECT_EQ (view.getVisiblePageIndex(), 0);
}
