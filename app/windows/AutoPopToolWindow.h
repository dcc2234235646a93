// The window around one main window's auto-populate tool. Closing it only takes it off
// the desktop, so the tool keeps its choices for the next show.
#pragma once

#include "app/desktop/WindowWithKeyboardFocus.h"

#include <juce_gui_basics/juce_gui_basics.h>

class AutoPopToolWindow : public WindowWithKeyboardFocus<juce::DocumentWindow>
{
public:
    // Takes over the content and takes its size.
    explicit AutoPopToolWindow (juce::Component* content);
    ~AutoPopToolWindow() override;

    void closeButtonPressed() override;

    // What the main window does on every "Auto Populate Tool" command: centre over it,
    // show, and title the window after the preset's current name.
    void showAround (juce::Component* mainWindow, const juce::String& presetName);

private:
    std::unique_ptr<juce::Component> content;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AutoPopToolWindow)
};
