// The file chooser for preset files. On Linux it is JUCE's own, which looks the same on every
// desktop and needs no helper program.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

inline std::unique_ptr<juce::FileChooser> makePresetFileChooser (const juce::String& title)
{
    return std::make_unique<juce::FileChooser> (title, juce::File(), "*.qrx571", ! JUCE_LINUX);
}
