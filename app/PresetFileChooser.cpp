#include "app/PresetFileChooser.h"

#include "app/AlertBox.h"
#include "app/OpenMenus.h"
#include "app/WindowKeyboardFocus.h"
#include "app/WindowSizeHints.h"

namespace
{
int browserFlags (PresetFileChooser::Purpose purpose)
{
    return juce::FileBrowserComponent::canSelectFiles |
           (purpose == PresetFileChooser::Purpose::save ? juce::FileBrowserComponent::saveMode
                                                        : juce::FileBrowserComponent::openMode);
}

// The browser's one text box of its own: the path above the list is a combo box.
juce::TextEditor* nameBoxOf (juce::FileBrowserComponent& browser)
{
    for (auto* child : browser.getChildren())
        if (auto* editor = dynamic_cast<juce::TextEditor*> (child))
            return editor;
    return nullptr;
}
} // namespace

class PresetFileChooser::Box : public juce::FileChooserDialogBox
{
public:
    Box (const juce::String& title, juce::FileBrowserComponent& browser)
        : FileChooserDialogBox (title, {}, browser, false,
                                browser.findColour (juce::AlertWindow::backgroundColourId))
        , nameBox (nameBoxOf (browser))
    {
        // The name box keeps Escape from the Cancel button's shortcut; with the keys there from
        // the start, it must cancel just the same.
        if (nameBox != nullptr)
            nameBox->onEscapeKey = [this] { setVisible (false); };
    }

    // The window manager's close (Alt+F4, the title bar's ×) does what the Cancel button does.
    void userTriedToCloseWindow() override { setVisible (false); }

    // The box itself takes the keys as it comes up, and again when the window manager focuses
    // its window before any of its controls had them: they go on to the name box.
    void focusGained (FocusChangeType) override
    {
        if (nameBox != nullptr && nameBox->isShowing())
            nameBox->grabKeyboardFocus();
    }

private:
    juce::Component::SafePointer<juce::TextEditor> nameBox;
};

PresetFileChooser::PresetFileChooser (const juce::String& title, Purpose purpose, const juce::File& start)
    : filter (presetFilePattern, {}, {})
    , browser (browserFlags (purpose), start, &filter, nullptr)
    , box (std::make_unique<Box> (title, browser))
{
}

// A chooser still up when it goes counts as cancelled.
PresetFileChooser::~PresetFileChooser() { box->exitModalState (0); }

void PresetFileChooser::putUp (juce::ModalComponentManager::Callback* answered)
{
    OpenMenus::closeAll();
    hadTheKeys = WindowKeyboardFocus::getWindowWithTheKeys();

    // JUCE makes the box on the desktop: sized off it, it is met by the window manager at the
    // size it keeps.
    box->removeFromDesktop();
    box->centreWithDefaultSize (nullptr);
    WindowSizeHints::prepare (*box);
    box->enterModalState (true, answered, false);
}

// The window that had the keys before the chooser came up has them again, even where no window
// manager hands them back; which of its controls gets them, that window decides.
void PresetFileChooser::takeDown()
{
    box->setVisible (false);
    if (hadTheKeys != nullptr && hadTheKeys->isShowing() && ! hadTheKeys->hasKeyboardFocus (true))
        hadTheKeys->grabKeyboardFocus();
}

juce::File PresetFileChooser::chosenFile() const { return browser.getSelectedFile (0); }

juce::File PresetFileChooser::run()
{
    putUp (nullptr);
    const bool chosen = box->runModalLoop() != 0;
    takeDown();
    return chosen ? chosenFile() : juce::File();
}

void PresetFileChooser::launch (std::function<void (const juce::File&)> answered)
{
    putUp (juce::ModalCallbackFunction::create (
        [this, alive = juce::Component::SafePointer<Box> (box.get()), answered] (int result)
        {
            if (alive == nullptr)
                return;
            takeDown();
            answered (result != 0 ? chosenFile() : juce::File());
        }));
}

juce::File choosePresetFileToOpen (const juce::String& title)
{
    return PresetFileChooser (title, PresetFileChooser::Purpose::open).run();
}

juce::File choosePresetFileToSave (const juce::String& title)
{
    const auto extension = presetFilePattern.substring (1);
    juce::File file;
    for (;;)
    {
        file = PresetFileChooser (title, PresetFileChooser::Purpose::save, file).run();
        if (file == juce::File())
            return {};

        if (! file.hasFileExtension (extension))
            file = file.getSiblingFile (file.getFileName() + extension);

        if (! file.exists() ||
            AlertBox::ask (
                juce::MessageBoxIconType::WarningIcon, TRANS ("File already exists"),
                TRANS ("There's already a file called: FLNM").replace ("FLNM", file.getFullPathName()) +
                    "\n\n" + TRANS ("Are you sure you want to overwrite it?"),
                { TRANS ("Overwrite"), TRANS ("Cancel") }) == 1)
            return file;
    }
}
