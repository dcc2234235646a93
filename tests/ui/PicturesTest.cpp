// Every picture the program shows is embedded at the size its users lay it out with, each state
// and each maker has a picture of its own, and the texts drawn over the pictures stay readable.
#include "ui/EditorPictures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace EditorPictures;

namespace
{
constexpr ButtonState buttonStates[] = { ButtonState::normal, ButtonState::over, ButtonState::down };
constexpr ViewState viewStates[] = { ViewState::normal, ViewState::over, ViewState::selected };
using ViewPicture = juce::Image (*) (ViewState);
const std::pair<ViewPicture, juce::Rectangle<int>> viewPictures[] = {
    { &pad, { 98, 101 } },         { &knob, { 57, 57 } },     { &fader, { 63, 183 } },
    { &switchButton, { 40, 31 } }, { &bankLamp, { 21, 21 } },
};

size_t fingerprint (const juce::Image& image)
{
    std::string pixels;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            pixels += std::to_string (image.getPixelAt (x, y).getARGB()) + ",";
    return std::hash<std::string>() (pixels);
}

// Mean brightness (0..1) of an area, each pixel weighted by its alpha.
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

// Root-mean-square colour difference (0..1) of two pictures of one size laid on the front
// panel's dark grey.
float difference (const juce::Image& a, const juce::Image& b)
{
    const auto panel = juce::Colour (42, 44, 48);
    double sum = 0.0;
    for (int y = 0; y < a.getHeight(); ++y)
        for (int x = 0; x < a.getWidth(); ++x)
        {
            const auto p = panel.overlaidWith (a.getPixelAt (x, y)),
                       q = panel.overlaidWith (b.getPixelAt (x, y));
            sum += juce::square (p.getFloatRed() - q.getFloatRed()) +
                   juce::square (p.getFloatGreen() - q.getFloatGreen()) +
                   juce::square (p.getFloatBlue() - q.getFloatBlue());
        }
    return (float)std::sqrt (sum / (3.0 * a.getWidth() * a.getHeight()));
}
} // namespace

TEST (Pictures, EveryPictureHasItsSize)
{
    std::vector<std::tuple<juce::Image, int, int, std::string>> pictures = {
        { auxiliaryBackground(), 633, 677, "auxiliary background" },
        { caption (Caption::autoPopulate), 200, 18, "auto populate caption" },
        { caption (Caption::midiSetup), 200, 18, "midi setup caption" },
        { caption (Caption::sendPreset), 200, 18, "send preset caption" },
        { caption (Caption::sendMultiplePresets), 267, 18, "send multiple caption" },
        { caption (Caption::globalSettings), 409, 18, "global settings caption" },
        { caption (Caption::loadFromHardware), 409, 18, "load from hardware caption" },
        { autoPopulateSeparator(), 618, 3, "separator" },
        { editorBackground(), 940, 721, "front panel" },
        { padOverlay(), 98, 101, "pad overlay" },
        { whiteTransportButton(), 40, 31, "white transport" },
        { redTransportButton(), 40, 31, "red transport" },
        { aboutPicture(), 501, 275, "about" },
        { enabledToggle (false), 18, 17, "enabled off" },
        { enabledToggle (true), 18, 17, "enabled on" },
    };

    for (int i = 0; i < 3; ++i)
    {
        for (int b = (int)DialogButton::send; b <= (int)DialogButton::revert; ++b)
            pictures.push_back ({ dialogButton ((DialogButton)b, buttonStates[i]), 96, 25, "dialog button" });
        pictures.push_back ({ dialogButton (DialogButton::browse, buttonStates[i]), 74, 20, "browse" });
        pictures.push_back ({ dialogButton (DialogButton::clear, buttonStates[i]), 14, 13, "clear" });
        for (const auto& [picture, size] : viewPictures)
            pictures.push_back ({ picture (viewStates[i]), size.getWidth(), size.getHeight(), "view" });
    }
    for (int bank = 0; bank < 4; ++bank)
        for (bool on : { false, true })
            pictures.push_back ({ bankToggle (bank, on), 18, 17, "bank toggle" });

    // Each state and each maker has a picture of its own, except Clear's one for all three states.
    std::set<size_t> distinct;
    for (const auto& [image, width, height, name] : pictures)
    {
        SCOPED_TRACE (name);
        ASSERT_TRUE (image.isValid());
        EXPECT_EQ (image.getBounds(), juce::Rectangle<int> (width, height));
        distinct.insert (fingerprint (image));
    }
    EXPECT_EQ (distinct.size(), pictures.size() - 2);
    EXPECT_FALSE (bankToggle (4, true).isValid());
    EXPECT_EQ (pad (ViewState::normal).getPixelData(), pad (ViewState::normal).getPixelData())
        << "decoded once";
}

TEST (Pictures, TextsDrawnOverThePicturesStayReadable)
{
    // White text on the pads and the front panel's displays; black on switches and dialogs.
    for (auto state : viewStates)
        EXPECT_LT (brightness (pad (state), { 8, 10, 80, 80 }), 0.45f);
    EXPECT_GT (brightness (switchButton (ViewState::normal), { 10, 8, 20, 14 }), 0.5f);
    EXPECT_LT (brightness (editorBackground(), { 75, 95, 790, 100 }), 0.2f);
    EXPECT_GT (brightness (auxiliaryBackground(), { 0, 0, 633, 677 }), 0.6f);
}

TEST (Pictures, ASelectedKnobStandsOutAndAHoveredOneStaysNearTheNormalOne)
{
    const auto normal = knob (ViewState::normal), over = knob (ViewState::over),
               selected = knob (ViewState::selected);
    const auto hover = difference (normal, over);
    EXPECT_GT (difference (normal, selected), 2.0f * hover);
    EXPECT_GT (difference (over, selected), 2.0f * hover);
}
