// The editor's front panel, 940 x 721. Everything printed here lines up with where the
// editor surface places its views: the displays behind the two parameter views, lamp
// sockets behind the bank buttons, the pad well, knob scales, switch and transport
// sockets, and the captions of the transport keys.
#include "tools/artwork/ArtKit.h"
#include "tools/artwork/Artwork.h"

#include <cmath>

namespace
{
using namespace ArtKit;
using juce::Colour;

const Colour ink (0xffd3d6da);      // printed legends
const Colour quietInk (0xffa3a8ae); // section names
const Colour accentBlue (0xff31b1f9);

// Where the editor surface puts things (its layout, repeated here to print around it).
constexpr int padBankX = 150, bankY = 222, controlBankX = 670, lampSize = 21;
constexpr int knobX = 566, knobY = 270, knobSize = 57, knobPitch = 77;
constexpr int faderX = 562, faderY = 347, faderWidth = 63, faderHeight = 183;
constexpr int switchX = 572, switchY = 550, switchWidth = 40, switchHeight = 31, controlPitch = 77;
constexpr int transportY = 625;
constexpr int transportX[] = { 650, 735, 815 };

// A hole cut into the panel: shaded upper-left wall, lit lower-right lip.
void recess (juce::Graphics& g, juce::Rectangle<float> r, float corner, Colour floor, float depth = 1.0f)
{
    juce::Path hole;
    hole.addRoundedRectangle (r, corner);
    g.setColour (floor);
    g.fillPath (hole);
    bevel (g, r, corner, juce::Colours::black.withAlpha (0.75f * depth),
           juce::Colours::white.withAlpha (0.16f * depth), 1.0f);
}

void display (juce::Graphics& g, juce::Rectangle<float> glass)
{
    juce::Path pane;
    pane.addRoundedRectangle (glass, 3.0f);
    fillVertical (g, pane, glass, Colour (0xff112130), Colour (0xff0a141d));

    g.saveState();
    g.reduceClipRegion (pane);
    // Shade of the bezel on the top of the glass, and a faint reflection across it.
    g.setGradientFill (juce::ColourGradient::vertical (juce::Colours::black.withAlpha (0.55f), glass.getY(),
                                                       juce::Colours::transparentBlack, glass.getY() + 6.0f));
    g.fillRect (glass);
    juce::Path glare;
    glare.startNewSubPath (glass.getX(), glass.getY());
    glare.lineTo (glass.getX() + glass.getWidth() * 0.42f, glass.getY());
    glare.lineTo (glass.getX() + glass.getWidth() * 0.22f, glass.getBottom());
    glare.lineTo (glass.getX(), glass.getBottom());
    glare.closeSubPath();
    g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.045f), glass.getX(),
                                             glass.getY(), juce::Colours::white.withAlpha (0.0f),
                                             glass.getX() + 200.0f, glass.getBottom(), false));
    g.fillPath (glare);
    g.restoreState();

    g.setColour (juce::Colours::black);
    g.strokePath (pane, juce::PathStrokeType (1.0f));
}

void knobScale (juce::Graphics& g, juce::Point<float> centre)
{
    const float start = -0.75f * juce::MathConstants<float>::pi, end = 0.75f * juce::MathConstants<float>::pi;
    for (int i = 0; i <= 10; ++i)
    {
        const float a = start + (end - start) * (float)i / 10.0f;
        const bool major = i == 0 || i == 5 || i == 10;
        const auto dir = juce::Point<float> (std::sin (a), -std::cos (a));
        g.setColour (ink.withAlpha (major ? 0.9f : 0.55f));
        g.drawLine ({ centre + dir * 31.0f, centre + dir * (major ? 36.0f : 34.0f) }, major ? 1.4f : 1.1f);
    }
}

// A small symbol followed by its word, centred as one group under a transport key.
void transportCaption (juce::Graphics& g, float centreX, float y, int symbol, const juce::String& word)
{
    const auto font = sans (10.5f, true);
    const float textWidth = font.getStringWidthFloat (word) + (float)word.length() * 1.2f;
    const float symbolSize = 7.0f, gap = 5.0f;
    const float left = centreX - (symbolSize + gap + textWidth) * 0.5f;
    const juce::Rectangle<float> mark (left, y + 3.5f, symbolSize, symbolSize);

    juce::Path shape;
    if (symbol == 0)
        shape.addRectangle (mark);
    else if (symbol == 1)
        shape.addTriangle (mark.getX(), mark.getY(), mark.getX(), mark.getBottom(), mark.getRight(),
                           mark.getCentreY());
    else
        shape.addEllipse (mark);
    g.setColour (symbol == 2 ? Colour (0xffe6483d) : ink);
    g.fillPath (shape);

    printText (g, word, { mark.getRight() + gap, y, textWidth + 4.0f, 14.0f }, font, ink,
               juce::Justification::centredLeft, 0.12f);
}

void sectionName (juce::Graphics& g, const juce::String& name, float centreY)
{
    // Right-aligned against the control column, with a short rule leading to it.
    const auto font = sans (10.0f, true);
    printText (g, name, { 462.0f, centreY - 7.0f, 78.0f, 14.0f }, font, quietInk,
               juce::Justification::centredRight, 0.14f);
    g.setColour (quietInk.withAlpha (0.5f));
    g.drawHorizontalLine (juce::roundToInt (centreY), 544.0f, 552.0f);
}
} // namespace

void addPanelPicture (PictureList& list)
{
    auto image = newImage (940, 721);
    brushedMetal (image, image.getBounds(), Colour (0xff2d2f33), 0.016f, 0.022f, 940721);

    juce::Graphics g (image);
    const auto all = image.getBounds().toFloat();

    // Light from the top left over the whole plate.
    g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.07f), 0.0f, 0.0f,
                                             juce::Colours::black.withAlpha (0.16f), 940.0f, 721.0f, false));
    g.fillRect (all);
    // The plate's edge: a chamfer all round.
    bevel (g, all.reduced (0.5f), 0.0f, juce::Colours::white.withAlpha (0.22f),
           juce::Colours::black.withAlpha (0.7f));
    bevel (g, all.reduced (3.5f), 4.0f, juce::Colours::black.withAlpha (0.35f),
           juce::Colours::white.withAlpha (0.07f));

    for (auto p : { juce::Point<float> (17.0f, 17.0f), juce::Point<float> (923.0f, 17.0f),
                    juce::Point<float> (17.0f, 704.0f), juce::Point<float> (923.0f, 704.0f) })
        screw (g, p, 6.0f, 0.35f + p.x * 0.001f + p.y * 0.002f);

    // Maker's line along the top.
    printText (g, "QRX571", { 62.0f, 26.0f, 200.0f, 40.0f }, sans (31.0f, true), Colour (0xffeceef0),
               juce::Justification::centredLeft, 0.04f, 0.55f);
    g.setColour (accentBlue);
    g.fillRect (62.0f, 66.0f, 36.0f, 2.0f);
    printText (g, "USB MIDI PAD CONTROLLER", { 200.0f, 38.0f, 300.0f, 20.0f }, sans (10.5f, true), quietInk,
               juce::Justification::centredLeft, 0.28f);
    printText (g, "EDITOR", { 700.0f, 38.0f, 170.0f, 20.0f }, sans (10.5f, true), quietInk,
               juce::Justification::centredRight, 0.5f);

    // The two displays behind the parameter views (at 75, 95 and 564, 95).
    const juce::Rectangle<float> bezel (62.0f, 82.0f, 816.0f, 126.0f);
    juce::Path bezelPath;
    bezelPath.addRoundedRectangle (bezel, 8.0f);
    fillVertical (g, bezelPath, bezel, Colour (0xff0b0c0d), Colour (0xff18191b));
    bevel (g, bezel, 8.0f, juce::Colours::black.withAlpha (0.8f), juce::Colours::white.withAlpha (0.2f));
    display (g, { 69.0f, 89.0f, 490.0f, 112.0f });
    display (g, { 563.0f, 89.0f, 308.0f, 112.0f });

    // Bank lamps sit in sockets, captioned to their left.
    for (int j = 0; j < 4; ++j)
        recess (g,
                juce::Rectangle<float> ((float)(padBankX + 30 * j) - 2.0f, (float)bankY - 2.0f,
                                        lampSize + 4.0f, lampSize + 4.0f),
                5.0f, Colour (0xff101113));
    for (int j = 0; j < 3; ++j)
        recess (g,
                juce::Rectangle<float> ((float)(controlBankX + 30 * j) - 2.0f, (float)bankY - 2.0f,
                                        lampSize + 4.0f, lampSize + 4.0f),
                5.0f, Colour (0xff101113));
    printText (g, "PAD BANK", { 40.0f, (float)bankY, 100.0f, (float)lampSize }, sans (10.5f, true), ink,
               juce::Justification::centredRight, 0.14f);
    printText (g, "CONTROL BANK", { 520.0f, (float)bankY, 140.0f, (float)lampSize }, sans (10.5f, true), ink,
               juce::Justification::centredRight, 0.14f);

    // The pad well: sixteen pads at 50..454 x 272..676.
    const juce::Rectangle<float> well (43.0f, 265.0f, 418.0f, 418.0f);
    recess (g, well, 9.0f, Colour (0xff1c1d20), 1.2f);
    g.setColour (juce::Colours::black.withAlpha (0.25f));
    g.fillRect (well.reduced (2.0f).withHeight (3.0f).translated (0.0f, 0.0f));

    // Knob scales, fader and switch rows, transport.
    for (int i = 0; i < 4; ++i)
        knobScale (
            g, { (float)(knobX + knobPitch * i) + knobSize * 0.5f, (float)knobY + knobSize * 0.5f - 0.5f });

    for (int i = 0; i < 4; ++i)
    {
        const auto x = (float)(faderX + controlPitch * i);
        recess (g, { x + 4.0f, (float)faderY + 2.0f, faderWidth - 8.0f, faderHeight - 4.0f }, 6.0f,
                Colour (0xff232427), 0.7f);
        recess (g,
                { (float)(switchX + controlPitch * i) - 2.5f, (float)switchY - 2.5f, switchWidth + 5.0f,
                  switchHeight + 4.0f },
                6.0f, Colour (0xff121315));
    }

    for (int i = 0; i < 3; ++i)
        recess (g, { (float)transportX[i] - 2.5f, (float)transportY - 2.5f, 45.0f, 35.0f }, 6.0f,
                Colour (0xff121315));
    const float captionY = (float)transportY + 38.0f;
    transportCaption (g, (float)transportX[0] + 20.0f, captionY, 0, "STOP");
    transportCaption (g, (float)transportX[1] + 20.0f, captionY, 1, "PLAY");
    transportCaption (g, (float)transportX[2] + 20.0f, captionY, 2, "REC");

    sectionName (g, "KNOBS", (float)knobY + knobSize * 0.5f);
    sectionName (g, "FADERS", (float)faderY + faderHeight * 0.5f);
    sectionName (g, "SWITCHES", (float)switchY + switchHeight * 0.5f - 1.0f);
    sectionName (g, "TRANSPORT", (float)transportY + 15.0f);

    list.push_back ({ "editor_background.png", image });
}
