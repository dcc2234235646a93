#include "ui/FittedFont.h"

namespace
{
constexpr float narrowest = 0.8f;
constexpr float smallest = 4.0f; // no box on the panel comes near this

// How far the worst of the texts overflows its box: 1 or less when all fit.
float overflow (const juce::Font& font, const juce::StringArray& texts, const juce::Array<float>& widths)
{
    float worst = 0.0f;

    for (int i = 0; i < texts.size(); ++i)
        worst = juce::jmax (worst, font.getStringWidthFloat (texts[i]) / juce::jmax (1.0f, widths[i]));

    return worst;
}
} // namespace

juce::Font fitFont (const juce::Font& font, const juce::String& text, float width)
{
    return fitFont (font, juce::StringArray (text), width);
}

juce::Font fitFont (const juce::Font& font, const juce::StringArray& texts, float width)
{
    juce::Array<float> widths;
    widths.insertMultiple (0, width, texts.size());
    return fitFont (font, texts, widths);
}

juce::Font fitFont (const juce::Font& font, const juce::StringArray& texts, const juce::Array<float>& widths)
{
    const auto natural = overflow (font, texts, widths);

    if (natural <= 1.0f)
        return font;

    auto fitted = font;
    fitted.setHorizontalScale (font.getHorizontalScale() * juce::jmax (narrowest, 1.0f / natural));

    // Glyph widths don't shrink quite in proportion to the height, hence the steps.
    while (overflow (fitted, texts, widths) > 1.0f && fitted.getHeight() > smallest)
        fitted.setHeight (fitted.getHeight() * 0.97f);

    return fitted;
}

void fitComboBoxItems (juce::ComboBox& box, juce::Label& label)
{
    juce::StringArray items;
    for (int i = 0; i < box.getNumItems(); ++i)
        items.add (box.getItemText (i));

    const auto width = label.getBorderSize().subtractedFrom (label.getLocalBounds()).getWidth();
    label.setFont (fitFont (label.getFont(), items, static_cast<float> (width)));
}
