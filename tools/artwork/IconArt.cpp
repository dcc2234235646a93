// The desktop icon, 256 x 256: the controller's face seen from above, a rounded metal body
// with its 4 x 4 pads, a few of them lit, and a blue display strip. It stays legible when
// the desktop shrinks it to 48 or 32 pixels, so the shapes are few and bold.
#include "tools/artwork/ArtKit.h"
#include "tools/artwork/Artwork.h"

namespace
{
using namespace ArtKit;
using juce::Colour;

const Colour accentBlue (0xff31b1f9);
const Colour unlitPad (0xff34373c);

void body (juce::Image& image, juce::Rectangle<float> r)
{
    {
        juce::Graphics g (image);
        juce::Path shape;
        shape.addRoundedRectangle (r, 30.0f);
        castShadow (g, shape, 0.5f, 6, { 0, 4 });
        fillVertical (g, shape, r, Colour (0xff3b3f45), Colour (0xff1c1e22));
    }
    brushedMetal (image, r.reduced (10.0f).toNearestInt(), Colour (0xff2a2d32), 0.02f, 0.02f, 256256);
    juce::Graphics g (image);
    bevel (g, r, 30.0f, juce::Colours::white.withAlpha (0.25f), juce::Colours::black.withAlpha (0.6f), 2.0f);
}

void pads (juce::Graphics& g, juce::Rectangle<float> area)
{
    // Lit in the pad palette's colours, like a preset in play.
    const Colour colour[16] = { unlitPad,
                                Colour (0xff0e65e7),
                                unlitPad,
                                unlitPad,
                                Colour (0xff1ce91e),
                                unlitPad,
                                unlitPad,
                                Colour (0xfff8bc07),
                                unlitPad,
                                unlitPad,
                                Colour (0xff0fd9e6),
                                unlitPad,
                                Colour (0xfff50303),
                                unlitPad,
                                unlitPad,
                                Colour (0xff0e65e7) };
    const float gap = 8.0f;
    const float cell = (area.getWidth() - 3.0f * gap) / 4.0f;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
        {
            const auto c = colour[row * 4 + col];
            const juce::Rectangle<float> r (area.getX() + (float)col * (cell + gap),
                                            area.getY() + (float)row * (cell + gap), cell, cell);
            if (c != unlitPad)
            {
                g.setColour (c.withAlpha (0.4f));
                g.fillRoundedRectangle (r.expanded (3.0f), 8.0f);
            }
            juce::Path pad;
            pad.addRoundedRectangle (r, 6.0f);
            fillVertical (g, pad, r, c.brighter (0.25f), c.darker (0.2f));
            bevel (g, r, 6.0f, juce::Colours::white.withAlpha (0.3f), juce::Colours::black.withAlpha (0.5f),
                   1.5f);
        }
}

void display (juce::Graphics& g, juce::Rectangle<float> r)
{
    g.setColour (Colour (0xff0b0c0e));
    g.fillRoundedRectangle (r, 5.0f);
    g.setGradientFill (juce::ColourGradient::vertical (accentBlue.brighter (0.3f), r.getY(),
                                                       accentBlue.darker (0.4f), r.getBottom()));
    g.fillRoundedRectangle (r.reduced (4.0f), 3.0f);
    g.setColour (juce::Colours::white.withAlpha (0.35f));
    g.drawHorizontalLine (juce::roundToInt (r.getY() + 5.0f), r.getX() + 8.0f, r.getRight() - 8.0f);
}
} // namespace

void addIconPicture (PictureList& list)
{
    auto image = newImage (256, 256);
    const juce::Rectangle<float> face (16.0f, 14.0f, 224.0f, 224.0f);
    body (image, face);

    juce::Graphics g (image);
    const float padSize = 156.0f, side = (face.getWidth() - padSize) / 2.0f;
    display (g, { face.getX() + side, face.getY() + 18.0f, padSize, 24.0f });
    pads (g, { face.getX() + side, face.getY() + 52.0f, padSize, padSize });

    list.push_back ({ "icons/qrx571-editor.png", image });
}
