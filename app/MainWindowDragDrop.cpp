#include "app/MainWindowDragDrop.h"

const juce::String MainWindowDragDrop::dragDescription{ "Main Window" };

void MainWindowDragDrop::mouseDrag (const juce::MouseEvent&)
{
    // No image of our own: the framework draws its snapshot of the surface.
    startDragging (juce::var (dragDescription), this, juce::ScaledImage(), true);
}
