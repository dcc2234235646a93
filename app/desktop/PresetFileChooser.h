// The file chooser for preset files. On Linux it is JUCE's own, which looks the same on every
// desktop and needs no helper program, put on screen the way the program's boxes are: laid out
// first and mapped once, every open list and menu closed first, as a box is modal. Its name box
// has the keys from the start, so a name can be typed at once, as has its New Folder box's, and
// the window manager's close (Alt+F4, the title bar's ×) is its Cancel. Elsewhere (macOS,
// Windows) it is the platform's own dialog, as JUCE runs it.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>

inline const juce::String presetFilePattern{ "*.qrx571" };

class PresetFileChooser
{
public:
    enum class Purpose
    {
        open,
        save
    };

    // A name in `start` (a file) is shown in the name box; otherwise the chooser starts in the
    // working folder.
    PresetFileChooser (const juce::String& title, Purpose purpose, const juce::File& start = {});
    ~PresetFileChooser();

    // Runs the chooser until it is answered: the file chosen, or none when it was cancelled.
    juce::File run();

    // Puts the chooser up and returns at once; `answered` gets what run would return, unless this
    // chooser is deleted first.
    void launch (std::function<void (const juce::File&)> answered);

private:
#if JUCE_LINUX
    class Box;

    void putUp (juce::ModalComponentManager::Callback* answered);
    void takeDown();
    juce::File chosenFile() const;

    juce::WildcardFileFilter filter;
    juce::FileBrowserComponent browser;
    std::unique_ptr<Box> box;
    juce::Component::SafePointer<juce::Component> hadTheKeys; // the window given them back when it goes

#else
    juce::FileChooser chooser;
    Purpose purpose;
#endif

    JUCE_DECLARE_NON_COPYABLE (PresetFileChooser)
};

// The preset file to open, or none when the user cancelled.
juce::File choosePresetFileToOpen (const juce::String& title);

// The file to save a preset in, or none when the user cancelled. JUCE's own chooser keeps a name
// as typed, so the extension is added here, and the overwrite question comes after that, naming
// the file that will really be written; its Cancel goes back to the chooser, as JUCE's does. A
// platform's dialog asks about the file it names itself.
juce::File choosePresetFileToSave (const juce::String& title);
