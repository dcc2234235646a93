// The program's alert boxes, as JUCE's own look makes them, but put on screen the way every
// window of the program is. JUCE makes an alert window on the desktop and resizes it there as
// each button is added; with a window manager slow to answer, a late configure event of an
// earlier size can win (JUCE reads the window's geometry back when one comes), and the box then
// stays at that size with its buttons cut off. These boxes are laid out first and mapped once,
// at their final size.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace AlertBox
{
// Runs the box until a button is pressed and returns that button's value, as JUCE's boxes number
// them: with one button 0; with two 1 and 0; with three 1, 2 and 0.
int ask (juce::MessageBoxIconType icon, const juce::String& title, const juce::String& message,
         const juce::StringArray& buttons);

// Shows a box with an OK button and returns at once; answered runs when it is pressed.
void show (juce::MessageBoxIconType icon, const juce::String& title, const juce::String& message,
           std::function<void()> answered);
} // namespace AlertBox
