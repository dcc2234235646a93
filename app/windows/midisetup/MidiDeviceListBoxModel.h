// The rows of one MIDI Setup list: the port names on offer, and the one the user picked.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class MidiDeviceListBoxModel : public juce::ListBoxModel
{
public:
    // Forgets the names and the pick.
    void clear();
    void setNames (const juce::StringArray& newNames) { names = newNames; }
    const juce::StringArray& getNames() const { return names; }

    // Empty when nothing is picked.
    juce::String getSelectedName() const { return selectedName; }

    int getNumRows() override;
    void paintListBoxItem (int row, juce::Graphics& g, int width, int height, bool isSelected) override;
    void selectedRowsChanged (int lastRowSelected) override;

private:
    juce::String selectedName;
    juce::StringArray names;
};
