// The device's controls as the editor shows them: rubber pads, spun-metal knobs, fader
// caps, switch caps, bank lamps and transport keys, all lit from the top left.
#include "tools/artwork/ArtKit.h"
#include "tools/artwork/Artwork.h"

#include <cmath>

namespace
{
using namespace ArtKit;
using juce::Colour;

constexpr float pi = juce::MathConstants<float>::pi;

// ---- pads ---------------------------------------------------------------------------

// The pad face lies inside the frame the pad view draws in its LED colours
// (x 5 and 93, y 4 to 5 and 91), with a dark pixel of light pipe on each side.
const juce::Rectangle<float> padFace (6.5f, 6.5f, 85.0f, 83.0f);
const juce::Rectangle<float> padOpening (2.5f, 1.5f, 93.0f, 94.0f);

juce::Image pad (Colour top, Colour bottom, juce::int64 seed)
{
    auto image = newImage (98, 101);
    {
        juce::Graphics g (image);
        juce::Path opening;
        opening.addRoundedRectangle (padOpening, 7.0f);
        castShadow (g, opening, 0.55f, 4, { 1, 2 });
        g.setColour (Colour (0xff0c0d0e));
        g.fillPath (opening);
        // The opening's lower-right wall catches the light.
        bevel (g, padOpening, 7.0f, juce::Colours::black.withAlpha (0.4f),
               juce::Colours::white.withAlpha (0.16f));

        juce::Path face;
        face.addRoundedRectangle (padFace, 5.0f);
        fillVertical (g, face, padFace, top, bottom);
    }
    speckle (image, padFace.toNearestInt().reduced (1), 0.035f, seed);
    {
        juce::Graphics g (image);
        // A soft, slightly domed rubber top.
        juce::Path face;
        face.addRoundedRectangle (padFace, 5.0f);
        g.saveState();
        g.reduceClipRegion (face);
        g.setGradientFill (juce::ColourGradient (
            juce::Colours::white.withAlpha (0.10f), padFace.getX() + 20.0f, padFace.getY() + 12.0f,
            juce::Colours::transparentWhite, padFace.getCentreX() + 30.0f, padFace.getBottom(), true));
        g.fillPath (face);
        g.restoreState();
        bevel (g, padFace, 5.0f, juce::Colours::white.withAlpha (0.28f),
               juce::Colours::black.withAlpha (0.5f), 1.2f);
    }
    return image;
}

// Drawn over the pad's texts and LED frame: a faint sheen on the upper face and a
// shade at its edges, so the printing looks as if it sits under the rubber's surface.
juce::Image padOverlay()
{
    auto image = newImage (98, 101);
    juce::Graphics g (image);
    juce::Path face;
    face.addRoundedRectangle (padFace, 5.0f);
    g.reduceClipRegion (face);

    juce::Path sheen;
    sheen.startNewSubPath (padFace.getX(), padFace.getY());
    sheen.lineTo (padFace.getRight(), padFace.getY());
    sheen.lineTo (padFace.getRight(), padFace.getY() + 14.0f);
    sheen.quadraticTo (padFace.getCentreX(), padFace.getY() + 26.0f, padFace.getX(), padFace.getY() + 20.0f);
    sheen.closeSubPath();
    g.setGradientFill (juce::ColourGradient::vertical (juce::Colours::white.withAlpha (0.09f), padFace.getY(),
                                                       juce::Colours::white.withAlpha (0.0f),
                                                       padFace.getY() + 24.0f));
    g.fillPath (sheen);

    g.setColour (juce::Colours::black.withAlpha (0.18f));
    g.strokePath (face, juce::PathStrokeType (3.0f));
    return image;
}

// ---- knobs --------------------------------------------------------------------------

struct KnobColours
{
    Colour skirtTop, skirtBottom, cap, pointer;
    float sheen;
    Colour rim;        // a lit ring round the skirt; transparent for none
    float glow = 0.0f; // strength of the halo the ring casts outwards
};

juce::Image knob (const KnobColours& c)
{
    auto image = newImage (57, 57);
    juce::Graphics g (image);
    const juce::Point<float> centre (28.5f, 28.0f);
    const float skirtRadius = 25.0f, capRadius = 18.0f;

    juce::Path skirt;
    skirt.addEllipse (juce::Rectangle<float> (skirtRadius * 2.0f, skirtRadius * 2.0f).withCentre (centre));

    // A selected knob stands in a halo of its ring's light; the others cast a shadow.
    if (c.glow > 0.0f)
        for (float r = skirtRadius + 3.5f; r > skirtRadius; r -= 0.5f)
        {
            const float falloff = 1.0f - (r - skirtRadius) / 3.5f;
            g.setColour (c.rim.withAlpha (c.glow * falloff * falloff * 0.35f));
            g.drawEllipse (juce::Rectangle<float> (r * 2.0f, r * 2.0f).withCentre (centre), 1.0f);
        }
    else
        castShadow (g, skirt, 0.7f, 4, { 2, 2 });
    g.setGradientFill (juce::ColourGradient (c.skirtTop, centre.x - skirtRadius, centre.y - skirtRadius,
                                             c.skirtBottom, centre.x + skirtRadius, centre.y + skirtRadius,
                                             false));
    g.fillPath (skirt);

    // Knurled grip around the skirt.
    for (int i = 0; i < 48; ++i)
    {
        const float a = (float)i / 48.0f * 2.0f * pi;
        const auto dir = juce::Point<float> (std::sin (a), -std::cos (a));
        const float lit = 0.5f + 0.5f * std::cos (a + pi * 0.25f); // facing the light
        g.setColour (juce::Colours::black.withAlpha (0.35f + 0.25f * (1.0f - lit)));
        g.drawLine ({ centre + dir * (capRadius + 2.5f), centre + dir * (skirtRadius - 0.8f) }, 1.1f);
    }
    g.setColour (juce::Colours::black.withAlpha (0.8f));
    g.strokePath (skirt, juce::PathStrokeType (1.0f));

    if (! c.rim.isTransparent())
    {
        g.setColour (c.rim);
        g.drawEllipse (juce::Rectangle<float> ((skirtRadius + 0.6f) * 2.0f, (skirtRadius + 0.6f) * 2.0f)
                           .withCentre (centre),
                       c.glow > 0.0f ? 2.0f : 1.0f);
    }

    // The cap: spun metal, drawn as thin wedges whose brightness follows the angle, which
    // gives the cross-shaped reflection of a turned surface.
    const auto capBounds = juce::Rectangle<float> (capRadius * 2.0f, capRadius * 2.0f).withCentre (centre);
    juce::Path cap;
    cap.addEllipse (capBounds);
    juce::Path capShadow;
    capShadow.addEllipse (capBounds.translated (0.8f, 1.2f));
    g.setColour (juce::Colours::black.withAlpha (0.6f));
    g.fillPath (capShadow);

    const int wedges = 180;
    for (int i = 0; i < wedges; ++i)
    {
        const float a0 = (float)i / wedges * 2.0f * pi, a1 = (float)(i + 1) / wedges * 2.0f * pi + 0.01f;
        const float shine = std::pow (std::abs (std::cos (a0 * 2.0f - pi * 0.5f + 0.35f)), 3.0f);
        juce::Path wedge;
        wedge.addPieSegment (capBounds, a0, a1, 0.0f);
        g.setColour (c.cap.brighter (shine * c.sheen));
        g.fillPath (wedge);
    }
    // Light from the top left on the whole cap.
    g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.18f), capBounds.getX(),
                                             capBounds.getY(), juce::Colours::black.withAlpha (0.25f),
                                             capBounds.getRight(), capBounds.getBottom(), false));
    g.fillPath (cap);
    bevel (g, capBounds, capRadius, juce::Colours::white.withAlpha (0.45f),
           juce::Colours::black.withAlpha (0.55f), 1.0f);

    // Pointer, at twelve o'clock.
    g.setColour (juce::Colours::black.withAlpha (0.4f));
    g.drawLine (centre.x + 0.6f, centre.y - capRadius + 3.4f, centre.x + 0.6f, centre.y - 6.4f, 2.6f);
    g.setColour (c.pointer);
    g.drawLine (centre.x, centre.y - capRadius + 3.0f, centre.x, centre.y - 7.0f, 2.4f);
    return image;
}

// ---- faders -------------------------------------------------------------------------

struct FaderColours
{
    Colour top, middle, bottom, line;
};

juce::Image fader (const FaderColours& c)
{
    auto image = newImage (63, 183);
    juce::Graphics g (image);

    // Scale, printed either side of the slot.
    const float firstTick = 16.0f, lastTick = 167.0f;
    for (int i = 0; i <= 10; ++i)
    {
        const float y = std::round (firstTick + (lastTick - firstTick) * (float)i / 10.0f) + 0.5f;
        const bool major = i % 5 == 0;
        g.setColour (Colour (0xffaeb2b7).withAlpha (major ? 0.9f : 0.6f));
        g.drawLine (major ? 9.0f : 14.0f, y, 23.0f, y, 1.0f);
        g.drawLine (40.0f, y, major ? 54.0f : 49.0f, y, 1.0f);
    }

    // The slot, cut into the panel: its upper-left wall is in shade.
    const juce::Rectangle<float> slot (29.0f, 9.0f, 5.0f, 165.0f);
    juce::Path slotPath;
    slotPath.addRoundedRectangle (slot, 2.5f);
    g.setColour (Colour (0xff050506));
    g.fillPath (slotPath);
    bevel (g, slot.expanded (0.5f), 3.0f, juce::Colours::black.withAlpha (0.8f),
           juce::Colours::white.withAlpha (0.22f));

    // The cap, resting in the middle of its travel, casting its shadow downwards.
    const juce::Rectangle<float> cap (12.5f, 78.0f, 38.0f, 27.0f);
    juce::Path capPath;
    capPath.addRoundedRectangle (cap, 3.0f);
    castShadow (g, capPath, 0.75f, 6, { 1, 4 });
    juce::ColourGradient body (c.top, 0.0f, cap.getY(), c.bottom, 0.0f, cap.getBottom(), false);
    body.addColour (0.48, c.middle);
    body.addColour (0.52, c.middle.darker (0.15f));
    g.setGradientFill (body);
    g.fillPath (capPath);

    // Grip ridges above and below the centre line.
    for (int i = 0; i < 4; ++i)
    {
        for (float y : { cap.getY() + 4.0f + (float)i * 2.5f, cap.getBottom() - 5.0f - (float)i * 2.5f })
        {
            g.setColour (juce::Colours::black.withAlpha (0.25f));
            g.drawHorizontalLine (juce::roundToInt (y), cap.getX() + 3.0f, cap.getRight() - 3.0f);
            g.setColour (juce::Colours::white.withAlpha (0.10f));
            g.drawHorizontalLine (juce::roundToInt (y) + 1, cap.getX() + 3.0f, cap.getRight() - 3.0f);
        }
    }
    g.setColour (c.line);
    g.fillRect (cap.getX() + 2.0f, cap.getCentreY() - 1.0f, cap.getWidth() - 4.0f, 2.0f);
    bevel (g, cap, 3.0f, juce::Colours::white.withAlpha (0.45f), juce::Colours::black.withAlpha (0.7f), 1.0f);
    return image;
}

// ---- switches, transport keys, lamps ------------------------------------------------

// A rubber key 40 x 31 with room below for its shadow; the caller's label sits centred on it.
juce::Image key (Colour top, Colour bottom, juce::int64 seed)
{
    auto image = newImage (40, 31);
    const juce::Rectangle<float> body (1.5f, 1.0f, 37.0f, 27.5f);
    {
        juce::Graphics g (image);
        juce::Path shape;
        shape.addRoundedRectangle (body, 4.5f);
        castShadow (g, shape, 0.7f, 3, { 0, 2 });
        fillVertical (g, shape, body, top, bottom);
    }
    speckle (image, body.toNearestInt().reduced (2), 0.02f, seed);
    {
        juce::Graphics g (image);
        juce::Path shape;
        shape.addRoundedRectangle (body, 4.5f);
        g.saveState();
        g.reduceClipRegion (shape);
        g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.25f), body.getX() + 6.0f,
                                                 body.getY() + 3.0f, juce::Colours::transparentWhite,
                                                 body.getX() + 26.0f, body.getBottom(), true));
        g.fillPath (shape);
        g.restoreState();
        bevel (g, body, 4.5f, juce::Colours::white.withAlpha (0.55f), juce::Colours::black.withAlpha (0.45f),
               1.0f);
        g.setColour (juce::Colours::black.withAlpha (0.55f));
        g.strokePath (shape, juce::PathStrokeType (0.6f));
    }
    return image;
}

// A square lamp 21 x 21 in a dark bezel; the editor writes the bank letter on it in black.
juce::Image lamp (Colour centre, Colour edge, bool lit)
{
    auto image = newImage (21, 21);
    juce::Graphics g (image);
    const juce::Rectangle<float> bezel (0.5f, 0.5f, 20.0f, 20.0f);
    juce::Path bezelPath;
    bezelPath.addRoundedRectangle (bezel, 4.0f);
    fillVertical (g, bezelPath, bezel, Colour (0xff26272a), Colour (0xff0e0f10));

    const auto lens = bezel.reduced (1.6f);
    juce::Path lensPath;
    lensPath.addRoundedRectangle (lens, 3.0f);
    juce::ColourGradient light (centre, lens.getCentreX() - 1.5f, lens.getCentreY() - 2.0f, edge,
                                lens.getRight(), lens.getBottom(), true);
    if (lit)
        light.addColour (0.6, centre.interpolatedWith (edge, 0.45f));
    g.setGradientFill (light);
    g.fillPath (lensPath);

    g.setColour (juce::Colours::white.withAlpha (lit ? 0.55f : 0.4f));
    g.drawHorizontalLine (juce::roundToInt (lens.getY()), lens.getX() + 2.5f, lens.getRight() - 2.5f);
    bevel (g, lens, 3.0f, juce::Colours::white.withAlpha (0.25f), juce::Colours::black.withAlpha (0.35f),
           1.0f);
    return image;
}
} // namespace

void addControlPictures (PictureList& list)
{
    list.push_back ({ "pad_dark.png", pad (Colour (0xff3d3f43), Colour (0xff2a2c2f), 101) });
    list.push_back ({ "pad_grey.png", pad (Colour (0xff686b70), Colour (0xff505358), 102) });
    list.push_back ({ "pad_blue.png", pad (Colour (0xff2c7cc6), Colour (0xff1a5796), 103) });
    list.push_back ({ "pad_overlay.png", padOverlay() });

    // Normal: dark. Mouse over: the same knob with a faint cool rim, a hint and no more.
    // Selected: a bright silver cap and a lit ring with its halo, plain from across the panel.
    list.push_back (
        { "knob_dark.png", knob ({ Colour (0xff4b4e53), Colour (0xff111214), Colour (0xff27292c),
                                   Colour (0xffeeeeee), 0.55f, juce::Colours::transparentBlack }) });
    list.push_back ({ "knob_grey.png", knob ({ Colour (0xff8a8d92), Colour (0xff3b3d41), Colour (0xffb4b8bd),
                                               Colour (0xff101010), 0.5f, Colour (0xffffc24a), 1.0f }) });
    list.push_back ({ "knob_blue.png", knob ({ Colour (0xff555a61), Colour (0xff15181c), Colour (0xff33363a),
                                               Colour (0xffffffff), 0.6f, Colour (0x9969a9e0) }) });

    list.push_back ({ "fader_dark.png", fader ({ Colour (0xff55585d), Colour (0xff2a2c2f),
                                                 Colour (0xff3a3c40), Colour (0xfff0f0f0) }) });
    list.push_back ({ "fader_grey.png", fader ({ Colour (0xffd6d9dc), Colour (0xff9da0a5),
                                                 Colour (0xffb2b5b9), Colour (0xff151515) }) });
    list.push_back ({ "fader_blue.png", fader ({ Colour (0xff58a6ee), Colour (0xff2368b0),
                                                 Colour (0xff2f7cc6), Colour (0xffffffff) }) });

    list.push_back ({ "switch_grey.png", key (Colour (0xffaeb1b6), Colour (0xff878a8f), 201) });
    list.push_back ({ "switch_light_blue.png", key (Colour (0xffbfe4fc), Colour (0xff82c0ec), 202) });
    list.push_back ({ "switch_white.png", key (Colour (0xfffdfdfd), Colour (0xffd9dadb), 203) });

    list.push_back ({ "lamp_unlit.png", lamp (Colour (0xffd8d3c4), Colour (0xffa8a290), false) });
    list.push_back ({ "lamp_grey.png", lamp (Colour (0xffb0b3b7), Colour (0xff7f8286), false) });
    list.push_back ({ "lamp_amber.png", lamp (Colour (0xffffe7a6), Colour (0xffe68600), true) });

    list.push_back ({ "transport_white.png", key (Colour (0xfff4f4f4), Colour (0xffc9cacc), 301) });
    list.push_back ({ "transport_red.png", key (Colour (0xffe6483d), Colour (0xffa81c15), 302) });
}
