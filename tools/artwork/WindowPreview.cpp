// The global-settings page assembled from the auxiliary pictures, so a reviewer sees how the
// background, heading, choosers and buttons sit together.
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
