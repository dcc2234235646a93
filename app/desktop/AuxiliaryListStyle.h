// How the auxiliary windows' location lists look: grey rounded scroll bars on black, and rows
// alternating black and near-black with the location's title in white at the top left.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Scroll bars, background and the given look (which must outlive the list).
void styleAuxiliaryList (juce::ListBox& list, juce::LookAndFeel& look);

void paintAuxiliaryListRow (juce::Graphics& g, int row);

void drawAuxiliaryRowTitle (juce::Graphics& g, const juce::String& title);
