// Every picture the program shows is embedded at the size its users lay it out with, and
// carries the light/dark contrast that the texts drawn over it rely on.
#include "ui/EditorPictures.h"

#include <gtest/gtest.h>

using namespace EditorPictures;

namespace
{
constexpr ButtonState buttonStates[] = { ButtonState::normal, ButtonState::over, ButtonState::down };
constexpr ViewState viewStates[] = { ViewState::normal, ViewState::over, ViewState::selected };

void expectSize (const juce::Image& image, int width, int height, const std::string& what)
{
    SCOPED_TRACE (what);
    ASSERT_TRUE (image.isValid());
    EXPECT_EQ (image.getWidth(), width);
    EXPECT_EQ (image.getHeight(), height);
}

bool samePixels (const juce::Image& a, const juce::Image& b)
{
    if (a.getBounds() != b.getBounds())
        return false;
    for (int y = 0; y < a.getHeight(); ++y)
        for (int x = 0; x < a.getWidth(); ++x)
            if (a.getPixelAt (x, y) != b.getPixelAt (x, y))
                return false;
    return true;
}

// Mean brightness (0..1) of the opaque pixels of an area, weighting each by its alpha.
float brightness (const juce::Image& image, juce::Rectangle<int> area)
{
    double sum = 0.0, weight = 0.0;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
        {
            const auto c = image.getPixelAt (x, y);
            sum += c.getPerceivedBrightness() * c.getFloatAlpha();
            weight += c.getFloatAlpha();
        }
    return weight > 0.0 ? (float)(sum / weight) : 0.0f;
}

float maxAlpha (const juce::Image& image, juce::Rectangle<int> area)
{
    float alpha = 0.0f;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            alpha = juce::jmax (alpha, image.getPixelAt (x, y).getFloatAlpha());
    return alpha;
}
} // namespace

TEST (Pictures, DialogButtonsHaveTheirSizesInEveryState)
{
    const std::pair<DialogButton, const char*> wide[] = {
        { DialogButton::send, "send" },       { DialogButton::apply, "apply" },
        { DialogButton::refresh, "refresh" }, { DialogButton::get, "get" },
        { DialogButton::ok, "ok" },           { DialogButton::cancel, "cancel" },
        { DialogButton::revert, "revert" }
    };
    for (auto state : buttonStates)
    {
        for (const auto& [button, name] : wide)
            expectSize (dialogButton (button, state), 96, 25, name);
        expectSize (dialogButton (DialogButton::browse, state), 74, 20, "browse");
        expectSize (dialogButton (DialogButton::clear, state), 14, 13, "clear");
    }
}

TEST (Pictures, ButtonStatesLookDifferentExceptClear)
{
    for (auto button : { DialogButton::send, DialogButton::ok, DialogButton::browse })
    {
        const auto normal = dialogButton (button, ButtonState::normal);
        EXPECT_FALSE (samePixels (normal, dialogButton (button, ButtonState::over)));
        EXPECT_FALSE (samePixels (normal, dialogButton (button, ButtonState::down)));
        EXPECT_FALSE (
            samePixels (dialogButton (button, ButtonState::over), dialogButton (button, ButtonState::down)));
    }
    // Each maker has pictures of its own: the legends differ.
    EXPECT_FALSE (samePixels (dialogButton (DialogButton::send, ButtonState::normal),
                              dialogButton (DialogButton::get, ButtonState::normal)));
    // Clear has one picture for all three states.
    EXPECT_TRUE (samePixels (dialogButton (DialogButton::clear, ButtonState::normal),
                             dialogButton (DialogButton::clear, ButtonState::down)));
}

TEST (Pictures, TogglesAreEighteenBySeventeenAndChangeWhenOn)
{
    for (int bank = 0; bank < 4; ++bank)
    {
        const auto off = bankToggle (bank, false), on = bankToggle (bank, true);
        expectSize (off, 18, 17, "bank off " + std::to_string (bank));
        expectSize (on, 18, 17, "bank on " + std::to_string (bank));
        EXPECT_FALSE (samePixels (off, on));
        if (bank > 0)
        {
            EXPECT_FALSE (samePixels (off, bankToggle (bank - 1, false))) << "each bank shows its own letter";
        }
    }
    EXPECT_FALSE (bankToggle (-1, false).isValid());
    EXPECT_FALSE (bankToggle (4, true).isValid());

    expectSize (enabledToggle (false), 18, 17, "enabled off");
    expectSize (enabledToggle (true), 18, 17, "enabled on");
    EXPECT_FALSE (samePixels (enabledToggle (false), enabledToggle (true)));
}

TEST (Pictures, AuxiliaryPicturesHaveTheirSizes)
{
    expectSize (auxiliaryBackground(), 633, 677, "background");
    expectSize (caption (Caption::autoPopulate), 200, 18, "auto populate");
    expectSize (caption (Caption::midiSetup), 200, 18, "midi setup");
    expectSize (caption (Caption::sendPreset), 200, 18, "send preset");
    expectSize (caption (Caption::sendMultiplePresets), 267, 18, "send multiple");
    expectSize (caption (Caption::globalSettings), 409, 18, "global settings");
    expectSize (caption (Caption::loadFromHardware), 409, 18, "load from hardware");
    expectSize (autoPopulateSeparator(), 618, 3, "separator");

    // The three 200-wide strips carry different headings.
    EXPECT_FALSE (samePixels (caption (Caption::autoPopulate), caption (Caption::midiSetup)));
    EXPECT_FALSE (samePixels (caption (Caption::midiSetup), caption (Caption::sendPreset)));
    EXPECT_FALSE (samePixels (caption (Caption::globalSettings), caption (Caption::loadFromHardware)));
}

TEST (Pictures, AuxiliaryBackgroundIsLightForTheBlackCaptionsOfItsWindows)
{
    const auto background = auxiliaryBackground();
    EXPECT_GT (brightness (background, { 0, 0, 633, 275 }), 0.6f);
    EXPECT_GT (brightness (background, { 0, 400, 633, 277 }), 0.6f);
    EXPECT_FLOAT_EQ (maxAlpha (background, background.getBounds()), 1.0f);
}

TEST (Pictures, EditorSurfacePicturesHaveTheirSizesInEveryState)
{
    for (auto state : viewStates)
    {
        expectSize (pad (state), 98, 101, "pad");
        expectSize (knob (state), 57, 57, "knob");
        expectSize (fader (state), 63, 183, "fader");
        expectSize (switchButton (state), 40, 31, "switch");
        expectSize (bankLamp (state), 21, 21, "lamp");
    }
    expectSize (padOverlay(), 98, 101, "pad overlay");
    expectSize (whiteTransportButton(), 40, 31, "white transport");
    expectSize (redTransportButton(), 40, 31, "red transport");
    expectSize (editorBackground(), 940, 721, "background");
    expectSize (aboutPicture(), 501, 275, "about");
}

TEST (Pictures, EveryViewStateHasAPictureOfItsOwn)
{
    using Getter = juce::Image (*) (ViewState);
    for (Getter get :
         { Getter (&pad), Getter (&knob), Getter (&fader), Getter (&switchButton), Getter (&bankLamp) })
    {
        EXPECT_FALSE (samePixels (get (ViewState::normal), get (ViewState::over)));
        EXPECT_FALSE (samePixels (get (ViewState::normal), get (ViewState::selected)));
        EXPECT_FALSE (samePixels (get (ViewState::over), get (ViewState::selected)));
    }
    EXPECT_FALSE (samePixels (whiteTransportButton(), redTransportButton()));
}

TEST (Pictures, TextDrawnOnThePicturesStaysReadable)
{
    // Pads carry white text on their faces, in every state.
    const juce::Rectangle<int> padText (8, 10, 80, 80);
    for (auto state : viewStates)
        EXPECT_LT (brightness (pad (state), padText), 0.45f);
    // The overlay goes over that text, so it must stay nearly clear there.
    EXPECT_LT (maxAlpha (padOverlay(), { 20, 40, 60, 40 }), 0.3f);

    // Switches and bank lamps carry black numbers and letters.
    for (auto state : viewStates)
    {
        EXPECT_GT (brightness (switchButton (state), { 10, 8, 20, 14 }), 0.5f);
        EXPECT_GT (brightness (bankLamp (state), { 6, 4, 9, 13 }), 0.5f);
    }
}

TEST (Pictures, FrontPanelIsDarkWhereTheEditorWritesWhite)
{
    const auto panel = editorBackground();
    EXPECT_FLOAT_EQ (maxAlpha (panel, panel.getBounds()), 1.0f);
    // The two displays behind the parameter views, and the strip of fader numbers.
    EXPECT_LT (brightness (panel, { 75, 95, 490, 100 }), 0.2f);
    EXPECT_LT (brightness (panel, { 564, 95, 300, 100 }), 0.2f);
    for (int i = 0; i < 4; ++i)
        EXPECT_LT (brightness (panel, { 562 + 77 * i, 327, 63, 20 }), 0.3f);
    // The About picture's middle and foot, under its white version and legal lines.
    const auto about = aboutPicture();
    EXPECT_LT (brightness (about, { 0, 107, 501, 15 }), 0.3f);
    EXPECT_LT (brightness (about, { 0, 211, 501, 31 }), 0.3f);
}

TEST (Pictures, PicturesAreDecodedOnceAndShared)
{
    const auto first = pad (ViewState::normal), second = pad (ViewState::normal);
    EXPECT_EQ (first.getPixelData(), second.getPixelData());
    EXPECT_EQ (editorBackground().getPixelData(), editorBackground().getPixelData());
}
