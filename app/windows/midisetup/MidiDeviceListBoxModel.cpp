#include "app/windows/midisetup/MidiDeviceListBoxModel.h"

void MidiDeviceListBoxModel::clear()
{
    selectedName.clear();
    names.clear();
}

int MidiDeviceListBoxModel::getNumRows() { return names.size(); }

void MidiDeviceListBoxModel::paintListBoxItem (int row, juce::Graphics& g, int width, int height,
                                               bool isSelected)
{
    g.fillAll (isSelected ? juce::Colours::grey : juce::Colours::black);
    g.setColour (juce::Colours::white);
    g.setFont ((float)height * 0.7f);
    g.drawText (names[row], 5, 0, width - 5, height, juce::Justification::centredLeft, true);
}

void MidiDeviceListBoxModel::selectedRowsChanged (int lastRowSelected)
{
    // -1 (nothing selected) reads as the empty name.
    if (lastRowSelected < names.size())
        selectedName = names[lastRowSelected];
}
