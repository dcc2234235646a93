// Small drawing helpers shared by every family of pictures the artwork tool draws.
// Everything here is deterministic: noise comes from seeded generators and text from
// font files loaded by path, so a re-run writes the same bytes.
#pragma once

#include <juce_graphics/juce_graphics.h>

namespace ArtKit
{
// A cleared ARGB software image, so the output never depends on a native image type.
juce::Image newImage (int width, int height);

// DejaVu Sans (fonts-dejavu-core) loaded straight from its files; false when missing.
bool loadFonts();
void unloadFonts(); // before JUCE shuts down

juce::Font sans (float height, bool bold = false);

// Horizontal brushed-metal grain over `area`, centred on `base`.
// streaks: brightness swing of the long fibres (0..1 of 255); grain: per-pixel noise.
void brushedMetal (juce::Image& image, juce::Rectangle<int> area, juce::Colour base, float streaks,
                   float grain, juce::int64 seed);

// Grain only, for rubber and painted surfaces: adds +-amount to every opaque pixel in `area`.
void speckle (juce::Image& image, juce::Rectangle<int> area, float amount, juce::int64 seed);

// A soft shadow of `shape` cast down and right (the light comes from the top left).
void castShadow (juce::Graphics& g, const juce::Path& shape, float alpha, int radius,
                 juce::Point<int> offset);

// Text with letter spacing; the ink is drawn on a faint dark edge so it stays crisp on metal.
void printText (juce::Graphics& g, const juce::String& text, juce::Rectangle<float> area,
                const juce::Font& font, juce::Colour ink, juce::Justification justification,
                float tracking = 0.0f, float shadowAlpha = 0.35f);

// One pixel light edge along the top and left, dark along the bottom and right of a
// rounded rectangle: the look of a raised part under a light from the top left.
void bevel (juce::Graphics& g, juce::Rectangle<float> r, float corner, juce::Colour light, juce::Colour dark,
            float thickness = 1.0f);

// A vertical gradient fill between two colours.
void fillVertical (juce::Graphics& g, const juce::Path& shape, juce::Rectangle<float> bounds,
                   juce::Colour top, juce::Colour bottom);

// A Phillips screw head of the given radius.
void screw (juce::Graphics& g, juce::Point<float> centre, float radius, float angle);
} // namespace ArtKit
