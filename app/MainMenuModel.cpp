#include "app/MainMenuModel.h"

#include "app/CommandIds.h"

namespace
{
constexpr juce::CommandID separator = 0;

// The menus in bar order; "Quit" and "About" live here since Linux has no application menu.
const std::vector<std::pair<juce::String, std::vector<juce::CommandID>>>& menus()
{
    using namespace CommandIds;
    static const std::vector<std::pair<juce::String, std::vector<juce::CommandID>>> all{
        { "File",
          { newPreset, openPreset, separator, closeWindow, separator, save, saveAs, separator,
            loadFromHardware, sendToHardware, separator, midiSetup, quit } },
        { "Tools", { autoPopulateTool, sendMultiplePresets, globalSettingsEditor } },
        { "Window", { minimizeWindow, bringAllToFront } },
        { "Help", { openUserGuide, about } }
    };
    return all;
}
} // namespace

MainMenuModel::MainMenuModel (juce::ApplicationCommandManager& manager)
    : commandManager (manager)
{
    setApplicationCommandManagerToWatch (&commandManager);
}

MainMenuModel::~MainMenuModel() { setApplicationCommandManagerToWatch (nullptr); }

juce::StringArray MainMenuModel::getMenuBarNames()
{
    juce::StringArray names;
    for (auto& menu : menus())
        names.add (menu.first);
    return names;
}

juce::PopupMenu MainMenuModel::getMenuForIndex (int, const juce::String& menuName)
{
    juce::PopupMenu popup;
    for (auto& menu : menus())
        if (menu.first == menuName)
            for (auto id : menu.second)
            {
                if (id == separator)
                    popup.addSeparator();
                else
                    popup.addCommandItem (&commandManager, id);
            }
    return popup;
}

void MainMenuModel::menuItemSelected (int, int) {}
