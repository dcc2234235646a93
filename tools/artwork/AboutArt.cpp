// The About picture, 501 x 275: the logo along the top, the middle left clear for the
// version line (y 107) and the foot clear for the two legal lines (y 211 and 227).
#include "tools/artwork/ArtKit.h"
#include "tools/artwork/Artwork.h"

namespace
{
using namespace ArtKit;
using juce::Colour;

const Colour accentBlue (0xff31b1f9);

// A 4 x 4 grid of pads, a few of them lit, as the logo's mark.
void padMark (juce::Graphics& g, juce::Point<float> topLeft)
{
    const Colour lit[16] = { Colour (0xff3a3c40), Colour (0xff0e65e7), Colour (0xff3a3c40),
                             Colour (0xff3a3c40), Colour (0xff3a3c40), Colour (0xff3a3c40),
                             Colour (0xff0fd9e6), Colour (0xff3a3c40), Colour (0xfff8bc07),
                             Colour (0xff3a3c40), Colour (0xff3a3c40), Colour (0xff3a3c40),
                             Colour (0xff3a3c40), Colour (0xff3a3c40), Colour (0xff3a3c40),
                             Colour (0xfff50303) };
    const float cell = 11.0f, gap = 3.0f;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
        {
            const auto c = lit[row * 4 + col];
            const juce::Rectangle<float> r (topLeft.x + (float)col * (cell + gap),
                                            topLeft.y + (float)row * (cell + gap), cell, cell);
            if (c != Colour (0xff3a3c40))
            {
                g.setColour (c.withAlpha (0.35f));
                g.fillRoundedRectangle (r.expanded (1.5f), 3.0f);
            }
            g.setColour (c);
            g.fillRoundedRectangle (r, 2.0f);
            g.setColour (juce::Colours::white.withAlpha (0.18f));
            g.drawHorizontalLine (juce::roundToInt (r.getY()), r.getX() + 1.5f, r.getRight() - 1.5f);
        }
}
// A faint outline of the device's face, between the version line and the legal lines.
void deviceSketch (juce::Graphics& g, juce::Rectangle<float> area)
{
    g.setColour (juce::Colours::white.withAlpha (0.09f));
    g.drawRoundedRectangle (area, 4.0f, 1.0f);
    const float padCell = 8.0f, padGap = 3.0f, left = area.getX() + 10.0f;
    const float top = area.getBottom() - 8.0f - 4.0f * padCell - 3.0f * padGap;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            g.drawRoundedRectangle (left + (float)col * (padCell + padGap),
                                    top + (float)row * (padCell + padGap), padCell, padCell, 1.5f, 1.0f);
    g.drawRoundedRectangle (left, area.getY() + 6.0f, area.getWidth() - 20.0f, 6.0f, 1.5f, 1.0f);
    const float controlsLeft = left + 4.0f * (padCell + padGap) + 14.0f;
    const float pitch = (area.getRight() - 10.0f - controlsLeft) / 4.0f;
    for (int i = 0; i < 4; ++i)
    {
        const float cx = controlsLeft + pitch * ((float)i + 0.5f);
        g.drawEllipse (cx - 4.5f, top, 9.0f, 9.0f, 1.0f);
        g.drawLine (cx, top + 13.0f, cx, area.getBottom() - 8.0f, 1.0f);
        g.fillRect (cx - 3.5f, top + 21.0f, 7.0f, 3.0f);
    }
}
} // namespace

void addAboutPicture (PictureList& list)
{
    auto image = newImage (501, 275);
    brushedMetal (image, image.getBounds(), Colour (0xff1d1f23), 0.012f, 0.016f, 501275);

    juce::Graphics g (image);
    g.setGradientFill (juce::ColourGradient::vertical (juce::Colours::white.withAlpha (0.05f), 0.0f,
                                                       juce::Colours::black.withAlpha (0.35f), 275.0f));
    g.fillAll();

    padMark (g, { 36.0f, 26.0f });

    // Silver lettering: the logo's glyphs filled with a top-lit gradient.
    {
        auto font = sans (46.0f, true);
        font.setExtraKerningFactor (0.03f);
        juce::GlyphArrangement glyphs;
        glyphs.addLineOfText (font, "QRX571", 108.0f, 68.0f);
        juce::Path logo;
        glyphs.createPath (logo);
        g.setColour (juce::Colours::black.withAlpha (0.6f));
        g.fillPath (logo, juce::AffineTransform::translation (0.0f, 1.5f));
        g.setGradientFill (
            juce::ColourGradient::vertical (Colour (0xffffffff), 34.0f, Colour (0xffa9aeb4), 68.0f));
        g.fillPath (logo);
    }
    printText (g, "EDITOR", { 110.0f, 72.0f, 200.0f, 16.0f }, sans (13.0f, true), accentBlue,
               juce::Justification::centredLeft, 0.55f, 0.0f);
    printText (g, "USB MIDI PAD CONTROLLER", { 250.0f, 72.0f, 215.0f, 16.0f }, sans (10.0f, true),
               Colour (0xff9aa0a7), juce::Justification::centredRight, 0.2f, 0.0f);

    // A blue rule under the logo, fading at both ends.
    juce::ColourGradient rule (accentBlue.withAlpha (0.0f), 20.0f, 0.0f, accentBlue.withAlpha (0.0f), 481.0f,
                               0.0f, false);
    rule.addColour (0.2, accentBlue.withAlpha (0.9f));
    rule.addColour (0.8, accentBlue.withAlpha (0.9f));
    g.setGradientFill (rule);
    g.fillRect (20, 96, 461, 2);

    deviceSketch (g, { 180.0f, 130.0f, 141.0f, 62.0f });

    // A quiet rule above the legal lines.
    juce::ColourGradient foot (juce::Colours::white.withAlpha (0.0f), 60.0f, 0.0f,
                               juce::Colours::white.withAlpha (0.0f), 441.0f, 0.0f, false);
    foot.addColour (0.5, juce::Colours::white.withAlpha (0.16f));
    g.setGradientFill (foot);
    g.fillRect (60, 200, 381, 1);

    list.push_back ({ "about.png", image });
}
