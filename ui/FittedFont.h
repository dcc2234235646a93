// Fitting text into fixed boxes: the panel's boxes are small and their places fixed, so a caption
// or value that would not fit is drawn a little narrower and, if that is not enough, smaller,
// rather than cut or run into its neighbour.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// `font`, unchanged when `text` fits within `width`; otherwise narrowed (to no less than 80% of
// its width) and then made smaller until it does.
juce::Font fitFont (const juce::Font& font, const juce::String& text, float width);

// One font in which every one of `texts` fits within `width`.
juce::Font fitFont (const juce::Font& font, const juce::StringArray& texts, float width);

// One font in which each of `texts` fits within the width of the same index in `widths`.
juce::Font fitFont (const juce::Font& font, const juce::StringArray& texts, const juce::Array<float>& widths);

// Gives a chooser's text label one font, the largest in which every item of the chooser reads
// whole, so the text keeps its size whichever item is picked. For a look's positionComboBoxText,
// once the label has its place.
void fitComboBoxItems (juce::ComboBox& box, juce::Label& label);
