// All pictures on one page, each with its file name and size, over a checkerboard that
// shows where a picture is transparent.
#include "tools/artwork/ArtKit.h"
#include "tools/artwork/Artwork.h"

juce::Image makeContactSheet (const PictureList& list)
{
    const int sheetWidth = 1640, margin = 16, labelHeight = 16;

    // Lay out in rows, first pass only to learn the height.
    struct Slot
    {
        const Picture* picture;
        juce::Point<int> at;
    };
    std::vector<Slot> slots;
    const Picture windowPreview{ "assembled settings window.png", makeWindowPreview (list) };
    std::vector<const Picture*> order{ &windowPreview };
    for (const auto& p : list)
        order.push_back (&p);

    int x = margin, y = margin, rowHeight = 0;
    for (const auto* picture : order)
    {
        const auto& p = *picture;
        const int w = juce::jmax (p.image.getWidth(), 120), h = p.image.getHeight() + labelHeight;
        if (x + w > sheetWidth - margin && x > margin)
        {
            x = margin;
            y += rowHeight + margin;
            rowHeight = 0;
        }
        slots.push_back ({ &p, { x, y } });
        x += w + margin;
        rowHeight = juce::jmax (rowHeight, h);
    }

    auto sheet = ArtKit::newImage (sheetWidth, y + rowHeight + margin);
    juce::Graphics g (sheet);
    g.fillAll (juce::Colour (0xff4a4c50));

    for (const auto& slot : slots)
    {
        const auto& image = slot.picture->image;
        const juce::Rectangle<int> area (slot.at.x, slot.at.y, image.getWidth(), image.getHeight());
        for (int cy = area.getY(); cy < area.getBottom(); cy += 6)
            for (int cx = area.getX(); cx < area.getRight(); cx += 6)
            {
                g.setColour (((cx - area.getX()) / 6 + (cy - area.getY()) / 6) % 2 == 0
                                 ? juce::Colour (0xff6a6c70)
                                 : juce::Colour (0xff5a5c60));
                g.fillRect (juce::Rectangle<int> (cx, cy, 6, 6).getIntersection (area));
            }
        g.drawImageAt (image, area.getX(), area.getY());

        g.setColour (juce::Colours::white);
        g.setFont (ArtKit::sans (10.0f));
        g.drawText (slot.picture->file.upToLastOccurrenceOf (".", false, false) + "  " +
                        juce::String (image.getWidth()) + "x" + juce::String (image.getHeight()),
                    area.getX(), area.getBottom() + 2, juce::jmax (area.getWidth(), 120), labelHeight - 2,
                    juce::Justification::topLeft, true);
    }
    return sheet;
}
