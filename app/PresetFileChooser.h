// The file chooser for preset files. On Linux it is JUCE's own, which looks the same on every
// desktop and needs no helper program.
#pragma once

#include "app/AlertBox.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

inline const juce::String presetFilePattern{ "*.qrx571" };
inline constexpr bool usesPlatformChooser = ! JUCE_LINUX;

inline std::unique_ptr<juce::FileChooser> makePresetFileChooser (const juce::String& title,
                                                                 const juce::File& start = {})
{
    return std::make_unique<juce::FileChooser> (title, start, presetFilePattern, usesPlatformChooser);
}

// The file to save a preset in, or none when the user cancelled. JUCE's own chooser keeps a name
// as typed, so the extension is added here, and the overwrite question comes after that, naming
// the file that will really be written; its Cancel goes back to the chooser, as JUCE's does.
inline juce::File choosePresetFileToSave (const juce::String& title)
{
    const auto extension = presetFilePattern.substring (1);
    juce::File file;
    for (;;)
    {
        auto chooser = makePresetFileChooser (title, file);
        if (! chooser->browseForFileToSave (usesPlatformChooser))
            return {};

        file = chooser->getResult();
        if (! file.hasFileExtension (extension))
            file = file.getSiblingFile (file.getFileName() + extension);

        if (usesPlatformChooser || ! file.exists() ||
            AlertBox::ask (
                juce::MessageBoxIconType::WarningIcon, TRANS ("File already exists"),
                TRANS ("There's already a file called: FLNM").replace ("FLNM", file.getFullPathName()) +
                    "\n\n" + TRANS ("Are you sure you want to overwrite it?"),
                { TRANS ("Overwrite"), TRANS ("Cancel") }) == 1)
            return file;
    }
}
