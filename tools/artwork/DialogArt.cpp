// Pictures of the auxiliary windows: a light brushed plate with dark keys and dark
// heading strips, lit from the top left like the front panel.
#include "tools/artwork/ArtKit.h"
#include "tools/artwork/Artwork.h"

namespace
{
using namespace ArtKit;

const juce::Colour accentBlue (0xff31b1f9);

enum class State
{
    normal,
    over,
    down
};

const char* stateSuffix (State s)
{
    return s == State::normal ? "normal" : s == State::over ? "over" : "down";
}

// A dark key: a bevelled rim, a face whose gradient turns over when pressed, and its legend.
void drawKey (juce::Graphics& g, juce::Rectangle<float> r, float corner, State state)
{
    juce::Path rim;
    rim.addRoundedRectangle (r, corner);
    fillVertical (g, rim, r, juce::Colour (0xff75787d), juce::Colour (0xff202124));
    g.setColour (juce::Colour (0xff0b0b0c));
    g.strokePath (rim, juce::PathStrokeType (0.8f));

    const auto faceArea = r.reduced (1.3f);
    juce::Path face;
    face.addRoundedRectangle (faceArea, juce::jmax (1.0f, corner - 1.0f));
    switch (state)
    {
        case State::normal:
            fillVertical (g, face, faceArea, juce::Colour (0xff4a4d52), juce::Colour (0xff26282b));
            break;
        case State::over:
            fillVertical (g, face, faceArea, juce::Colour (0xff56606c), juce::Colour (0xff2b3139));
            break;
        case State::down:
            fillVertical (g, face, faceArea, juce::Colour (0xff1b1c1e), juce::Colour (0xff33363a));
            break;
    }

    if (state == State::down)
    {
        // Pressed in: shade under the top edge instead of a highlight.
        g.setColour (juce::Colours::black.withAlpha (0.45f));
        g.drawHorizontalLine (juce::roundToInt (faceArea.getY()), faceArea.getX() + corner * 0.5f,
                              faceArea.getRight() - corner * 0.5f);
    }
    else
    {
        g.setColour (juce::Colours::white.withAlpha (0.20f));
        g.drawHorizontalLine (juce::roundToInt (faceArea.getY()), faceArea.getX() + corner * 0.6f,
                              faceArea.getRight() - corner * 0.6f);
    }

    if (state == State::over)
    {
        g.setColour (accentBlue.withAlpha (0.85f));
        g.strokePath (face, juce::PathStrokeType (1.0f));
    }
}

juce::Image dialogButton (int w, int h, const juce::String& legend, State state)
{
    auto image = newImage (w, h);
    juce::Graphics g (image);
    const float corner = h >= 24 ? 4.0f : 3.0f;
    drawKey (g, image.getBounds().toFloat().reduced (0.5f), corner, state);

    const auto ink = state == State::over   ? juce::Colours::white
                     : state == State::down ? juce::Colour (0xffa9cde6)
                                            : juce::Colour (0xffd6d8da);
    const float shift = state == State::down ? 1.0f : 0.0f;
    printText (g, legend, image.getBounds().toFloat().translated (0.0f, shift), sans ((float)h * 0.47f, true),
               ink, juce::Justification::centred, 0.09f, 0.6f);
    return image;
}

juce::Image clearButton()
{
    auto image = newImage (14, 13);
    juce::Graphics g (image);
    drawKey (g, image.getBounds().toFloat().reduced (0.5f), 3.0f, State::normal);

    juce::Path cross;
    cross.startNewSubPath (4.5f, 4.0f);
    cross.lineTo (9.5f, 9.0f);
    cross.startNewSubPath (9.5f, 4.0f);
    cross.lineTo (4.5f, 9.0f);
    g.setColour (juce::Colours::black.withAlpha (0.5f));
    g.strokePath (cross,
                  juce::PathStrokeType (1.5f, juce::PathStrokeType::mitered, juce::PathStrokeType::rounded),
                  juce::AffineTransform::translation (0.0f, 0.7f));
    g.setColour (juce::Colour (0xffe2e3e4));
    g.strokePath (cross,
                  juce::PathStrokeType (1.5f, juce::PathStrokeType::mitered, juce::PathStrokeType::rounded));
    return image;
}

juce::Image bankToggle (const juce::String& letter, bool on)
{
    auto image = newImage (18, 17);
    juce::Graphics g (image);
    const auto r = image.getBounds().toFloat().reduced (0.5f);

    if (! on)
    {
        drawKey (g, r, 3.0f, State::normal);
        printText (g, letter, r.translated (0.0f, 0.5f), sans (10.5f, true), juce::Colour (0xffc4c7ca),
                   juce::Justification::centred, 0.0f, 0.6f);
        return image;
    }

    // Lit: an amber cap glowing from the middle, the same light as the editor's bank lamps.
    juce::Path rim;
    rim.addRoundedRectangle (r, 3.0f);
    fillVertical (g, rim, r, juce::Colour (0xff75787d), juce::Colour (0xff202124));
    g.setColour (juce::Colour (0xff0b0b0c));
    g.strokePath (rim, juce::PathStrokeType (0.8f));

    const auto faceArea = r.reduced (1.3f);
    juce::Path face;
    face.addRoundedRectangle (faceArea, 2.0f);
    juce::ColourGradient glow (juce::Colour (0xffffe39a), faceArea.getCentreX(), faceArea.getCentreY() - 1.0f,
                               juce::Colour (0xffe98a00), faceArea.getRight(), faceArea.getBottom(), true);
    glow.addColour (0.55, juce::Colour (0xffffb627));
    g.setGradientFill (glow);
    g.fillPath (face);
    g.setColour (juce::Colours::white.withAlpha (0.45f));
    g.drawHorizontalLine (juce::roundToInt (faceArea.getY()), faceArea.getX() + 1.5f,
                          faceArea.getRight() - 1.5f);
    printText (g, letter, r.translated (0.0f, 0.5f), sans (10.5f, true), juce::Colour (0xff2b1700),
               juce::Justification::centred, 0.0f, 0.0f);
    return image;
}

juce::Image enabledToggle (bool on)
{
    auto image = newImage (18, 17);
    juce::Graphics g (image);

    // A recessed box: its shadow falls on the upper-left inner walls.
    const auto box = juce::Rectangle<float> (1.5f, 1.0f, 15.0f, 15.0f);
    juce::Path well;
    well.addRoundedRectangle (box, 2.5f);
    fillVertical (g, well, box, juce::Colour (0xff151618), juce::Colour (0xff2a2c2f));
    bevel (g, box, 2.5f, juce::Colours::black.withAlpha (0.7f), juce::Colours::white.withAlpha (0.75f), 1.0f);

    if (on)
    {
        juce::Path tick;
        tick.startNewSubPath (4.8f, 8.6f);
        tick.lineTo (7.7f, 11.6f);
        tick.lineTo (13.2f, 4.6f);
        const juce::PathStrokeType stroke (2.2f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded);
        g.setColour (accentBlue.withAlpha (0.35f));
        g.strokePath (
            tick, juce::PathStrokeType (4.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
        g.setColour (juce::Colour (0xff7fd0ff));
        g.strokePath (tick, stroke);
    }
    return image;
}

juce::Image auxiliaryBackground()
{
    auto image = newImage (633, 677);
    brushedMetal (image, image.getBounds(), juce::Colour (0xffc3c5c8), 0.022f, 0.028f, 4711);

    juce::Graphics g (image);
    // Light from the top left: a gentle fall-off towards the bottom right.
    g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.13f), 0.0f, 0.0f,
                                             juce::Colours::black.withAlpha (0.07f), 633.0f, 677.0f, false));
    g.fillAll();
    g.setColour (juce::Colours::white.withAlpha (0.7f));
    g.drawHorizontalLine (0, 0.0f, 633.0f);
    g.drawVerticalLine (0, 0.0f, 677.0f);
    return image;
}

juce::Image captionStrip (int width, const juce::String& heading)
{
    auto image = newImage (width, 18);
    juce::Graphics g (image);
    const auto r = image.getBounds().toFloat().reduced (0.5f);

    // An engraved dark plate: shade on its upper wall, light on its lower lip.
    juce::Path plate;
    plate.addRoundedRectangle (r, 8.5f);
    fillVertical (g, plate, r, juce::Colour (0xff1a1b1d), juce::Colour (0xff303236));
    bevel (g, r, 8.5f, juce::Colours::black.withAlpha (0.55f), juce::Colours::white.withAlpha (0.85f), 1.0f);

    for (float x : { 9.0f, (float)width - 9.0f })
    {
        g.setColour (accentBlue.withAlpha (0.3f));
        g.fillEllipse (x - 3.0f, 6.0f, 6.0f, 6.0f);
        g.setColour (accentBlue);
        g.fillEllipse (x - 1.8f, 7.2f, 3.6f, 3.6f);
    }

    printText (g, heading, r.withTrimmedLeft (16.0f).withTrimmedRight (16.0f).translated (0.0f, 0.5f),
               sans (10.5f, true), juce::Colour (0xffe8e9ea), juce::Justification::centred, 0.16f, 0.0f);
    return image;
}

juce::Image separator()
{
    auto image = newImage (618, 3);
    juce::Graphics g (image);
    // A groove: dark upper wall, mid floor, bright lower lip; fading out at both ends.
    const juce::Colour rows[] = { juce::Colour (0xff7b7e82), juce::Colour (0xff9c9fa3),
                                  juce::Colour (0xfff2f3f4) };
    for (int y = 0; y < 3; ++y)
    {
        juce::ColourGradient fade (rows[y].withAlpha (0.0f), 0.0f, 0.0f, rows[y].withAlpha (0.0f), 618.0f,
                                   0.0f, false);
        fade.addColour (0.04, rows[y]);
        fade.addColour (0.96, rows[y]);
        g.setGradientFill (fade);
        g.fillRect (0, y, 618, 1);
    }
    return image;
}
} // namespace

void addDialogPictures (PictureList& list)
{
    struct Key
    {
        const char* file;
        const char* legend;
    };
    const Key wideKeys[] = { { "send", "SEND" },    { "apply", "APPLY" }, { "refresh", "REFRESH" },
                             { "get", "GET" },      { "ok", "OK" },       { "cancel", "CANCEL" },
                             { "revert", "REVERT" } };

    for (auto state : { State::normal, State::over, State::down })
    {
        for (const auto& key : wideKeys)
            list.push_back ({ juce::String ("button_") + key.file + "_" + stateSuffix (state) + ".png",
                              dialogButton (96, 25, key.legend, state) });
        list.push_back ({ juce::String ("button_browse_") + stateSuffix (state) + ".png",
                          dialogButton (74, 20, "BROWSE", state) });
    }
    list.push_back ({ "button_clear.png", clearButton() });

    for (auto letter : { "a", "b", "c", "d" })
    {
        list.push_back ({ juce::String ("bank_toggle_") + letter + "_off.png",
                          bankToggle (juce::String (letter).toUpperCase(), false) });
        list.push_back ({ juce::String ("bank_toggle_") + letter + "_on.png",
                          bankToggle (juce::String (letter).toUpperCase(), true) });
    }
    list.push_back ({ "enabled_toggle_off.png", enabledToggle (false) });
    list.push_back ({ "enabled_toggle_on.png", enabledToggle (true) });

    list.push_back ({ "auxiliary_background.png", auxiliaryBackground() });
    list.push_back ({ "caption_auto_populate.png", captionStrip (200, "AUTO POPULATE") });
    list.push_back ({ "caption_midi_setup.png", captionStrip (200, "MIDI SETUP") });
    list.push_back ({ "caption_send_preset.png", captionStrip (200, "SEND PRESET") });
    list.push_back ({ "caption_send_multiple_presets.png", captionStrip (267, "SEND MULTIPLE PRESETS") });
    list.push_back ({ "caption_global_settings.png", captionStrip (409, "HARDWARE GLOBAL PARAMETERS") });
    list.push_back ({ "caption_load_from_hardware.png", captionStrip (409, "LOAD PRESETS FROM HARDWARE") });
    list.push_back ({ "separator_auto_populate.png", separator() });
}
