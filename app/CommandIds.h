// Every menu item and shortcut is one of these commands. The application serves the ones that
// work without a window; each main window serves the ones that act on its own preset, and
// minimises itself (the application minimises a tool window).
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace CommandIds
{
enum : juce::CommandID
{
    newPreset = 0x200010,
    openPreset = 0x200020,
    closeWindow = 0x200030,
    save = 0x200040,
    saveAs = 0x200050,
    loadFromHardware = 0x200060,
    sendToHardware = 0x200070,
    midiSetup = 0x200080,
    quit = 0x200090,
    autoPopulateTool = 0x200200,
    sendMultiplePresets = 0x200210,
    globalSettingsEditor = 0x200220,
    minimizeWindow = 0x200300,
    bringAllToFront = 0x200310,
    openUserGuide = 0x200400,
    about = 0x200410
};

// Fills in what every command shares: the category, and the key as the letter with Ctrl
// (Cmd on a Mac) when it has one.
inline void describe (juce::ApplicationCommandInfo& info, const juce::String& name, char key = 0)
{
    info.setInfo (name, {}, "General", 0);
    if (key != 0)
        info.addDefaultKeypress (key, juce::ModifierKeys::commandModifier);
}
} // namespace CommandIds
