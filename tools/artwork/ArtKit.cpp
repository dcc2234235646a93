#include "tools/artwork/ArtKit.h"

#include <vector>

namespace ArtKit
{
namespace
{
juce::Typeface::Ptr regularFace, boldFace;

juce::Typeface::Ptr loadFace (const char* path)
{
    juce::MemoryBlock data;
    if (! juce::File (path).loadFileAsData (data) || data.getSize() == 0)
        return nullptr;
    return juce::Typeface::createSystemTypefaceFor (data.getData(), data.getSize());
}

juce::uint8 clampByte (float v) { return (juce::uint8)juce::jlimit (0, 255, juce::roundToInt (v)); }

// Approximately normal noise from a seeded generator (sum of uniforms).
float bell (juce::Random& rng) { return rng.nextFloat() + rng.nextFloat() + rng.nextFloat() - 1.5f; }
} // namespace

juce::Image newImage (int width, int height)
{
    juce::Image image (juce::Image::ARGB, width, height, true, juce::SoftwareImageType());
    return image;
}

bool loadFonts()
{
    regularFace = loadFace ("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    boldFace = loadFace ("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
    return regularFace != nullptr && boldFace != nullptr;
}

void unloadFonts()
{
    regularFace = nullptr;
    boldFace = nullptr;
}

juce::Font sans (float height, bool bold)
{
    juce::Font font (bold ? boldFace : regularFace);
    font.setHeight (height);
    return font;
}

void brushedMetal (juce::Image& image, juce::Rectangle<int> area, juce::Colour base, float streaks,
                   float grain, juce::int64 seed)
{
    area = area.getIntersection (image.getBounds());
    if (area.isEmpty())
        return;

    juce::Random rng (seed);
    const int w = area.getWidth();
    std::vector<float> fibre ((size_t)w, 0.0f), raw ((size_t)w + 64, 0.0f), previous ((size_t)w, 0.0f);
    juce::Image::BitmapData pixels (image, juce::Image::BitmapData::readWrite);

    for (int y = area.getY(); y < area.getBottom(); ++y)
    {
        // Long fibres: noise smeared along x, partly carried over from the row above so
        // that strokes are a few pixels thick, as a brushed sheet is.
        for (auto& v : raw)
            v = bell (rng);
        const float rowShift = bell (rng) * 0.5f;
        const int reach = 24;
        float sum = 0.0f;
        for (int i = 0; i < reach; ++i)
            sum += raw[(size_t)i];
        for (int x = 0; x < w; ++x)
        {
            sum += raw[(size_t)(x + reach)] - raw[(size_t)x];
            const float smooth = sum / (float)reach * 3.0f + rowShift;
            fibre[(size_t)x] = 0.55f * previous[(size_t)x] + 0.45f * smooth;
        }
        previous = fibre;

        for (int x = 0; x < w; ++x)
        {
            const float delta =
                fibre[(size_t)x] * streaks * 255.0f + (rng.nextFloat() - 0.5f) * grain * 255.0f;
            pixels.setPixelColour (
                area.getX() + x, y,
                juce::Colour (clampByte (base.getRed() + delta), clampByte (base.getGreen() + delta),
                              clampByte (base.getBlue() + delta * 1.05f), base.getAlpha()));
        }
    }
}

void speckle (juce::Image& image, juce::Rectangle<int> area, float amount, juce::int64 seed)
{
    area = area.getIntersection (image.getBounds());
    juce::Random rng (seed);
    juce::Image::BitmapData pixels (image, juce::Image::BitmapData::readWrite);
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
        {
            const float delta = (rng.nextFloat() - 0.5f) * amount * 255.0f;
            const auto c = pixels.getPixelColour (x, y);
            if (c.getAlpha() == 0)
                continue;
            // Fainter where the picture is translucent, so soft edges stay soft.
            const float a = c.getFloatAlpha();
            pixels.setPixelColour (x, y,
                                   juce::Colour (clampByte (c.getRed() + delta * a),
                                                 clampByte (c.getGreen() + delta * a),
                                                 clampByte (c.getBlue() + delta * a), c.getAlpha()));
        }
}

void castShadow (juce::Graphics& g, const juce::Path& shape, float alpha, int radius, juce::Point<int> offset)
{
    juce::DropShadow (juce::Colours::black.withAlpha (alpha), radius, offset).drawForPath (g, shape);
}

void printText (juce::Graphics& g, const juce::String& text, juce::Rectangle<float> area,
                const juce::Font& font, juce::Colour ink, juce::Justification justification, float tracking,
                float shadowAlpha)
{
    auto f = font;
    f.setExtraKerningFactor (tracking);
    juce::GlyphArrangement glyphs;
    glyphs.addFittedText (f, text, area.getX(), area.getY(), area.getWidth(), area.getHeight(), justification,
                          1, 1.0f);
    juce::Path outline;
    glyphs.createPath (outline);

    if (shadowAlpha > 0.0f)
    {
        g.setColour (juce::Colours::black.withAlpha (shadowAlpha));
        g.fillPath (outline, juce::AffineTransform::translation (0.0f, 1.0f));
    }
    g.setColour (ink);
    g.fillPath (outline);
}

void bevel (juce::Graphics& g, juce::Rectangle<float> r, float corner, juce::Colour light, juce::Colour dark,
            float thickness)
{
    const auto inner = r.reduced (thickness * 0.5f);
    juce::Path outline;
    outline.addRoundedRectangle (inner, juce::jmax (0.0f, corner - thickness * 0.5f));

    // Light on the upper-left half, dark on the lower-right, blended across the diagonal.
    juce::ColourGradient shade (light, r.getX(), r.getY(), dark, r.getRight(), r.getBottom(), false);
    shade.addColour (0.45, light.withMultipliedAlpha (0.6f));
    shade.addColour (0.55, dark.withMultipliedAlpha (0.6f));
    g.setGradientFill (shade);
    g.strokePath (outline, juce::PathStrokeType (thickness));
}

void fillVertical (juce::Graphics& g, const juce::Path& shape, juce::Rectangle<float> bounds,
                   juce::Colour top, juce::Colour bottom)
{
    g.setGradientFill (juce::ColourGradient::vertical (top, bounds.getY(), bottom, bounds.getBottom()));
    g.fillPath (shape);
}

void screw (juce::Graphics& g, juce::Point<float> centre, float radius, float angle)
{
    const auto head = juce::Rectangle<float> (radius * 2.0f, radius * 2.0f).withCentre (centre);
    juce::Path disc;
    disc.addEllipse (head);
    castShadow (g, disc, 0.6f, 3, { 1, 1 });

    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff9a9ca0), head.getX(), head.getY(),
                                             juce::Colour (0xff35373a), head.getRight(), head.getBottom(),
                                             false));
    g.fillPath (disc);
    g.setColour (juce::Colour (0xff17181a));
    g.drawEllipse (head, 0.8f);

    // The cross slot, darker on the side facing away from the light.
    const auto rot = juce::AffineTransform::rotation (angle, centre.x, centre.y);
    for (int i = 0; i < 2; ++i)
    {
        juce::Path slot;
        const auto arm = radius * 0.62f;
        slot.addRectangle (centre.x - arm, centre.y - radius * 0.14f, arm * 2.0f, radius * 0.28f);
        slot.applyTransform (
            juce::AffineTransform::rotation (i * juce::MathConstants<float>::halfPi, centre.x, centre.y)
                .followedBy (rot));
        g.setColour (juce::Colour (0xff1c1d1f));
        g.fillPath (slot);
        g.setColour (juce::Colours::white.withAlpha (0.18f));
        g.fillPath (slot, juce::AffineTransform::translation (0.6f, 0.6f));
        g.setColour (juce::Colour (0xff1c1d1f));
        g.fillPath (slot);
    }
}
} // namespace ArtKit
