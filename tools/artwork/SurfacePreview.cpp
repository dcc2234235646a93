// The front panel with every control picture placed where the editor surface puts it,
// with sample texts like the ones the editor draws, so a reviewer sees the finished look.
#include "tools/artwork/ArtKit.h"
#include "tools/artwork/Artwork.h"

namespace
{
const juce::Image& find (const PictureList& list, const juce::String& file)
{
    for (const auto& p : list)
        if (p.file == file)
            return p.image;
    static const juce::Image none;
    return none;
}

void label (juce::Graphics& g, const juce::String& text, juce::Rectangle<int> r, float height,
            juce::Colour colour, juce::Justification j = juce::Justification::centredLeft)
{
    g.setColour (colour);
    g.setFont (ArtKit::sans (height));
    g.drawText (text, r, j, true);
}
} // namespace

juce::Image makeSurfacePreview (const PictureList& list)
{
    auto image = find (list, "editor_background.png").createCopy();
    juce::Graphics g (image);

    const juce::Colour palette[] = { juce::Colour (113, 113, 113), juce::Colour (245, 3, 3),
                                     juce::Colour (248, 126, 7),   juce::Colour (28, 233, 30),
                                     juce::Colour (14, 101, 231),  juce::Colour (220, 85, 228) };
    for (int i = 0; i < 16; ++i)
    {
        const int x = 102 * (i % 4) + 50, y = 575 - (i / 4) * 101;
        const auto* look = i == 5 ? "pad_blue.png" : i == 10 ? "pad_grey.png" : "pad_dark.png";
        juce::Graphics::ScopedSaveState state (g);
        g.setOrigin (x, y);
        g.drawImageAt (find (list, look), 0, 0);
        g.setColour (juce::Colours::white);
        g.setFont (12.0f);
        g.setFont (ArtKit::sans (12.0f));
        g.drawText (juce::String (36 + i) + " C" + juce::String (2 + i / 12), 8, 10, 93, 20,
                    juce::Justification::centredLeft, true);
        g.drawText (i % 3 == 0 ? "TOG" : "MOM", 8, 30, 93, 20, juce::Justification::centredLeft, true);
        g.drawText ("MIDI CH:COM", 8, 50, 90, 20, juce::Justification::centredLeft, true);
        g.setColour (juce::Colour (211, 211, 211));
        g.drawText (juce::String (i + 1), 8, 72, 93, 20, juce::Justification::centredLeft, true);
        g.setColour (palette[i % 6]);
        g.drawLine (5, 91, 93, 91, 2.0f);
        g.drawLine (5, 5, 5, 92, 2.0f);
        g.setColour (palette[(i + 2) % 6]);
        g.drawLine (5, 5, 93, 4, 2.0f);
        g.drawLine (93, 4, 93, 92, 2.0f);
        g.drawImageAt (find (list, "pad_overlay.png"), 0, 0);
    }

    for (int i = 0; i < 4; ++i)
    {
        const int kx = 566 + i * 77, fx = kx - 4, sx = fx + 10;
        g.drawImageAt (find (list, i == 1   ? "knob_grey.png"
                                   : i == 2 ? "knob_blue.png"
                                            : "knob_dark.png"),
                       kx, 270);
        g.drawImageAt (find (list, i == 2   ? "fader_grey.png"
                                   : i == 3 ? "fader_blue.png"
                                            : "fader_dark.png"),
                       fx, 347);
        g.drawImageAt (find (list, i == 0   ? "switch_white.png"
                                   : i == 3 ? "switch_light_blue.png"
                                            : "switch_grey.png"),
                       sx, 550);
        label (g, juce::String (i + 1), { fx, 327, 63, 20 }, 14.0f, juce::Colours::white,
               juce::Justification::centred);
        label (g, juce::String (i + 1), { sx, 550, 40, 31 }, 14.0f, juce::Colours::black,
               juce::Justification::centred);
    }

    for (int j = 0; j < 7; ++j)
    {
        const bool pads = j < 4;
        const int x = pads ? 150 + 30 * j : 670 + 30 * (j - 4);
        const auto* look = (j == 0 || j == 4) ? "lamp_amber.png"
                           : j == 2           ? "lamp_grey.png"
                                              : "lamp_unlit.png";
        g.drawImageAt (find (list, look), x, 222);
        label (g, juce::String::charToString ((juce::juce_wchar) ('A' + (pads ? j : j - 4))),
               { x + 6, 223, 21, 20 }, 14.0f, juce::Colours::black);
    }

    g.drawImageAt (find (list, "transport_white.png"), 650, 625);
    g.drawImageAt (find (list, "transport_white.png"), 735, 625);
    g.drawImageAt (find (list, "transport_red.png"), 815, 625);

    // Sample display contents, as the parameter views write them.
    label (g, "Pad 6", { 80, 95, 100, 22 }, 18.0f, juce::Colours::white);
    const char* left[] = { "TYPE", "MIDI CHANNEL", "MIDI NOTE", "AFTERTOUCH" };
    const char* leftValues[] = { "NOTE", "COMMON", "41", "OFF" };
    const char* right[] = { "TRIGGER MODE", "MIDI TO DIN", "ON COLOR", "OFF COLOR" };
    const char* rightValues[] = { "MOMENTARY", "OFF", "GREEN", "RED" };
    for (int r = 0; r < 4; ++r)
    {
        const int y = 95 + 22 + r * 18;
        label (g, left[r], { 80, y, 120, 18 }, 16.0f, juce::Colours::white);
        label (g, leftValues[r], { 75 + 130, y, 120, 18 }, 14.0f, juce::Colours::white);
        label (g, right[r], { 75 + 255, y, 100, 18 }, 16.0f, juce::Colours::white);
        label (g, rightValues[r], { 75 + 380, y, 100, 18 }, 14.0f, juce::Colours::white);
    }
    const char* common[] = { "PRESET", "BPM", "SWING", "GATE", "TIME DIVISION" };
    const char* commonValues[] = { "Preset", "120", "50", "50", "1/16" };
    for (int r = 0; r < 5; ++r)
    {
        label (g, common[r], { 569, 95 + r * 20, 80, 20 }, 14.0f, juce::Colours::white);
        label (g, commonValues[r], { 564 + (r == 4 ? 100 : 50), 95 + r * 20, 80, 20 }, 14.0f,
               juce::Colours::white);
    }
    return image;
}

juce::Image makeWindowPreview (const PictureList& list)
{
    // The global-settings page: its background, heading, ten captioned choosers and buttons.
    auto image = ArtKit::newImage (633, 273);
    juce::Graphics g (image);
    g.drawImageAt (find (list, "auxiliary_background.png"), 0, 0);
    g.drawImageAt (find (list, "caption_global_settings.png"), 112, 5);

    const char* leftNames[] = { "COMMON CHANNEL", "NOTE DISPLAY", "LCD CONTRAST", "TAP AVERAGE",
                                "TEMPO LED" };
    const char* rightNames[] = { "TRANSPORT TO DIN", "PAD GAIN", "PAD THRESHOLD", "PAD CURVE", "MIDI CLOCK" };
    const char* leftItems[] = { "A1", "VALUE", "0", "2", "OFF" };
    const char* rightItems[] = { "OFF", "0", "1", "LINEAR", "INTERNAL" };
    for (int r = 0; r < 5; ++r)
    {
        const int y = 40 + 25 * r;
        for (int side = 0; side < 2; ++side)
        {
            const int captionX = side == 0 ? 10 : 300, boxX = side == 0 ? 150 : 450;
            label (g, side == 0 ? leftNames[r] : rightNames[r], { captionX + 5, y, 150, 22 }, 15.0f,
                   juce::Colours::black);
            g.setColour (juce::Colour (28, 28, 28));
            g.fillRoundedRectangle (juce::Rectangle<int> (boxX, y, 150, 22).toFloat(), 2.0f);
            label (g, side == 0 ? leftItems[r] : rightItems[r], { boxX + 5, y, 120, 22 }, 15.0f,
                   juce::Colour (212, 212, 212));
            juce::Path arrow;
            const float m = (float)(y + 11);
            arrow.addTriangle ((float)boxX + 140.0f, m + 4.0f, (float)boxX + 145.0f, m, (float)boxX + 135.0f,
                               m);
            g.fillPath (arrow);
        }
    }
    g.drawImageAt (find (list, "button_revert_normal.png"), 10, 233);
    g.drawImageAt (find (list, "button_get_over.png"), 410, 233);
    g.drawImageAt (find (list, "button_send_normal.png"), 510, 233);
    return image;
}
