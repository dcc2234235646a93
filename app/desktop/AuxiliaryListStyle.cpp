#include "app/desktop/AuxiliaryListStyle.h"

#include "ui/CustomLookForAuxiliaryWindows.h"

void styleAuxiliaryList (juce::ListBox& list, juce::LookAndFeel& look)
{
    auto& bar = list.getVerticalScrollBar();
    bar.setColour (juce::ScrollBar::backgroundColourId, juce::Colours::darkgrey);
    bar.setColour (juce::ScrollBar::thumbColourId, juce::Colours::grey);
    list.getHorizontalScrollBar().setAutoHide (true);
    list.getViewport()->setScrollBarThickness (getAuxiliaryScrollBarThickness());
    list.setLookAndFeel (&look);
    list.setColour (juce::ListBox::backgroundColourId, getAuxiliaryListBoxColour());
}

void paintAuxiliaryListRow (juce::Graphics& g, int row)
{
    g.fillAll (row % 2 == 0 ? juce::Colours::black : juce::Colour (28, 28, 28));
}

void drawAuxiliaryRowTitle (juce::Graphics& g, const juce::String& title)
{
    g.setColour (juce::Colours::white);
    g.drawText (title, 10, 0, 100, 20, juce::Justification::topLeft, true);
}
