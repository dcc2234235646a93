// Renders every parameter page, the preset-wide view and two pad views to PNG files under the
// build folder (view-renders/), for a person to look at.
#include "ViewTestSupport.h"

#include "model/DefaultPreset.h"
#include "ui/CommonParametersLCDView.h"
#include "ui/EditorPictures.h"
#include "ui/FaderLCDView.h"
#include "ui/KnobLCDView.h"
#include "ui/PadLCDView.h"
#include "ui/PadView.h"
#include "ui/SwitchLCDView.h"

#include <gtest/gtest.h>

namespace
{
// Drawn on the dark display colour, as on the front panel; answers whether text shows.
bool render (juce::Component& component, const juce::String& name)
{
    juce::Image image (juce::Image::ARGB, component.getWidth(), component.getHeight(), true);
    juce::Graphics g (image);
    g.fillAll (juce::Colour (24, 28, 32));
    component.paintEntireComponent (g, false);

    int bright = 0;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            bright += image.getPixelAt (x, y).getBrightness() > 0.8f ? 1 : 0;

    const auto file = juce::File (QRX_BINARY_DIR).getChildFile ("view-renders/" + name + ".png");
    return viewtest::writePng (image, file) && bright > 50;
}

void renderEveryPage (LCDView& view, MEditorControl& control, const juce::String& name)
{
    view.setSize (490, 100);
    for (int type = 0; type < view.getNumPages(); ++type)
    {
        control.setParameterValue ("Parameter Type", juce::Value (type));
        ASSERT_TRUE (testutil::runLoopUntil ([&] { return view.getVisiblePageIndex() == type; }, 2000));
        EXPECT_TRUE (render (view, name + "-page" + juce::String (type)));
    }
}
} // namespace

TEST (RenderViews, EveryParameterPageThePresetWideViewAndPadViews)
{
    auto preset = makeDefaultPreset();
    PadLCDView pad (preset->getPad (0), "Pad 1");
    renderEveryPage (pad, *preset->getPad (0), "pad-lcd");
    KnobLCDView knob (preset->getKnob (0), "Knob 1");
    renderEveryPage (knob, *preset->getKnob (0), "knob-lcd");
    FaderLCDView fader (preset->getFader (0), "Fader 1");
    renderEveryPage (fader, *preset->getFader (0), "fader-lcd");
    SwitchLCDView switchView (preset->getSwitch (0), "Switch 1");
    renderEveryPage (switchView, *preset->getSwitch (0), "switch-lcd");

    CommonParametersLCDView common (preset.get(), preset->getTransport().get());
    common.setSize (300, 100);
    EXPECT_TRUE (render (common, "common-parameters"));

    using EditorPictures::ViewState;
    preset->getPad (20)->setParameterValue ("Parameter Type", juce::Value (2));
    for (int index : { 1, 20 })
    {
        PadView::Ptr view (new PadView (
            preset->getPad (index).get(), juce::String (index + 1), EditorPictures::pad (ViewState::normal),
            EditorPictures::pad (ViewState::over), EditorPictures::pad (ViewState::selected)));
        testutil::runLoopFor (20);
        EXPECT_TRUE (render (*view, "pad-view-" + juce::String (index + 1)));
        view->releaseComponent();
    }
}
