#include "ui/CustomLookForAuxiliaryWindows.h"

#include "ui/FittedFont.h"

namespace
{
constexpr float cornerSize = 6.0f;
constexpr float comboCornerSize = 2.0f;
} // namespace

void CustomLookForAuxiliaryWindows::drawScrollbar (juce::Graphics& g, juce::ScrollBar& bar, int x, int y,
                                                   int width, int height, bool vertical, int thumbStart,
                                                   int thumbSize, bool, bool)
{
    g.setColour (bar.findColour (juce::ScrollBar::backgroundColourId));
    g.fillRoundedRectangle (juce::Rectangle<int> (x, y, width - 2, height - 2).toFloat(), cornerSize);

    const auto thumb = vertical ? juce::Rectangle<int> (x + 1, thumbStart, width - 2, thumbSize)
                                : juce::Rectangle<int> (thumbStart, y + 1, thumbSize, height - 4);

    g.setColour (bar.findColour (juce::ScrollBar::thumbColourId));
    g.fillRoundedRectangle (thumb.toFloat(), cornerSize);
}

void CustomLookForAuxiliaryWindows::drawComboBox (juce::Graphics& g, int width, int height, bool, int, int,
                                                  int, int, juce::ComboBox& box)
{
    g.setColour (box.findColour (juce::ComboBox::backgroundColourId));
    g.fillRoundedRectangle (0.0f, 0.0f, static_cast<float> (width), static_cast<float> (height),
                            comboCornerSize);

    // A downward arrow 10 wide and 4 high, 5 pixels in from the right edge.
    const auto middle = static_cast<float> (height / 2);
    const auto right = static_cast<float> (width);

    juce::Path arrow;
    arrow.addTriangle (right - 10.0f, middle + 4.0f, right - 5.0f, middle, right - 15.0f, middle);

    g.setColour (box.findColour (juce::ComboBox::arrowColourId));
    g.fillPath (arrow);

    // The chooser that has the keys says so, as every chooser and box of the program does.
    if (box.isEnabled() && box.hasKeyboardFocus (false))
        drawKeysOutline (g, box);
}

void CustomLookForAuxiliaryWindows::drawKeysOutline (juce::Graphics& g, juce::Component& control)
{
    g.setColour (control.findColour (juce::ComboBox::focusedOutlineColourId));
    g.drawRoundedRectangle (control.getLocalBounds().toFloat().reduced (1.0f), comboCornerSize, 2.0f);
}

void CustomLookForAuxiliaryWindows::positionComboBoxText (juce::ComboBox& box, juce::Label& label)
{
    // The label's text ends clear of the arrow, which lies 5 to 15 pixels in from the right edge.
    juce::LookAndFeel_V3::positionComboBoxText (box, label);
    fitComboBoxItems (box, label);
}

int getAuxiliaryScrollBarThickness() { return 10; }

juce::Colour getAuxiliaryListBoxColour() { return juce::Colours::black; }

void setAuxiliaryComboBoxColours (juce::ComboBox& box)
{
    const juce::Colour light (212, 212, 212);
    box.setColour (juce::ComboBox::arrowColourId, light);
    box.setColour (juce::ComboBox::textColourId, light);
    box.setColour (juce::ComboBox::backgroundColourId, juce::Colour (28, 28, 28));
}
