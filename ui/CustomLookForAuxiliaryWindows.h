// The auxiliary windows' look: rounded scroll bars and flat choosers with a small
// triangle arrow, whose text is fitted so that their longest item reads whole clear of the
// arrow, outlined while they have the keys. Everything else is LookAndFeel_V3's.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class CustomLookForAuxiliaryWindows : public juce::LookAndFeel_V3
{
public:
    CustomLookForAuxiliaryWindows() = default;

    void drawScrollbar (juce::Graphics& g, juce::ScrollBar& bar, int x, int y, int width, int height,
                        bool vertical, int thumbStart, int thumbSize, bool isMouseOver,
                        bool isMouseDown) override;

    void drawComboBox (juce::Graphics& g, int width, int height, bool isDown, int buttonX, int buttonY,
                       int buttonW, int buttonH, juce::ComboBox& box) override;

    void positionComboBoxText (juce::ComboBox& box, juce::Label& label) override;

    // The outline round a chooser or list of these windows that has the keys.
    static void drawKeysOutline (juce::Graphics& g, juce::Component& control);
};

// The scroll-bar thickness of the auxiliary windows' lists.
int getAuxiliaryScrollBarThickness();

// The background colour of the auxiliary windows' lists.
juce::Colour getAuxiliaryListBoxColour();

// Light grey text and arrow on a near-black background, for the auxiliary choosers.
void setAuxiliaryComboBoxColours (juce::ComboBox& box);
