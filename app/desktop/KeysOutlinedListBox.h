// A list that, like every chooser and box of the program, is outlined while it has the keys
// (the list itself or one of its rows).
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class KeysOutlinedListBox : public juce::ListBox
{
public:
    using juce::ListBox::ListBox;

    void paintOverChildren (juce::Graphics& g) override;
    void focusOfChildComponentChanged (FocusChangeType cause) override;
};
