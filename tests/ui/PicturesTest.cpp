// Each state and each maker has a picture of its own, and the texts drawn over the pictures stay
// readable.
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
    size_t hash = 0;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            hash = hash * 1000003u + image.getPixelAt (x, y).getARGB();
    return hash;
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

// Each state and each maker has a picture of its own (except Clear's one for all three
// states), and the views' pictures have the sizes their hit areas are laid out with.
TEST (Pictures, EveryStateAndMakerHasAPictureOfItsOwn)
{
    std::vector<juce::Image> pictures = { auxiliaryBackground(),  autoPopulateSeparator(),
                                          editorBackground(),     padOverlay(),
                                          whiteTransportButton(), redTransportButton(),
                                          aboutPicture(),         enabledToggle (false),
                                          enabledToggle (true) };
    for (int c = (int)Caption::autoPopulate; c <= (int)Caption::loadFromHardware; ++c)
        pictures.push_back (caption ((Caption)c));
    for (int i = 0; i < 3; ++i)
    {
        for (int b = (int)DialogButton::send; b <= (int)DialogButton::clear; ++b)
            pictures.push_back (dialogButton ((DialogButton)b, buttonStates[i]));
        for (const auto& [picture, size] : viewPictures)
        {
            pictures.push_back (picture (viewStates[i]));
            EXPECT_EQ (pictures.back().getBounds(), size);
        }
    }
    for (int bank = 0; bank < 4; ++bank)
        for (bool on : { false, true })
            pictures.push_back (bankToggle (bank, on));

    std::set<size_t> distinct;
    for (const auto& image : pictures)
    {
        ASSERT_TRUE (image.isValid()) << distinct.size();
        distinct.insert (fingerprint (image));
    }
    EXPECT_EQ (distinct.size(), pictures.size() - 2);
    EXPECT_FALSE (bankToggle (4, true).isValid());
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
