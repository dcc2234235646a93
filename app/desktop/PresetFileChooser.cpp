#include "app/desktop/PresetFileChooser.h"

#include "app/desktop/AlertBox.h"
#include "app/desktop/OpenMenus.h"
#include "app/desktop/WindowKeyboardFocus.h"
#include "app/desktop/WindowSizeHints.h"

namespace
{
int browserFlags (PresetFileChooser::Purpose purpose)
{
    return juce::FileBrowserComponent::canSelectFiles |
           (purpose == PresetFileChooser::Purpose::save ? juce::FileBrowserComponent::saveMode
                                                        : juce::FileBrowserComponent::openMode);
}

#if JUCE_LINUX
// JUCE's own chooser is told not to ask about overwriting: the name typed there may still lack its
// extension. A platform's dialog asks about the file it names (a Mac's always does).
constexpr bool chooserAsksToOverwrite = false;

// The browser's one text box of its own: the path above the list is a combo box.
juce::TextEditor* nameBoxOf (juce::FileBrowserComponent& browser)
{
    for (auto* child : browser.getChildren())
        if (auto* editor = dynamic_cast<juce::TextEditor*> (child))
            return editor;
    return nullptr;
}
#else
constexpr bool chooserAsksToOverwrite = true;
#endif
} // namespace

#if JUCE_LINUX
class PresetFileChooser::Box : public juce::FileChooserDialogBox
{
public:
    Box (const juce::String& title, juce::FileBrowserComponent& browser)
        : FileChooserDialogBox (title, {}, browser, chooserAsksToOverwrite,
                                browser.findColour (juce::AlertWindow::backgroundColourId))
        , nameBox (nameBoxOf (browser))
    {
        // The name box keeps Escape from the Cancel button's shortcut; with the keys there from
        // the start, it must cancel just the same.
        if (nameBox != nullptr)
            nameBox->onEscapeKey = [this] { setVisible (false); };

        for (auto* child : getContentComponent()->getChildren())
            if (auto* button = dynamic_cast<juce::TextButton*> (child);
                button != nullptr && button->getButtonText() == TRANS ("New Folder"))
                button->onClick = [askForName = std::move (button->onClick)]
                {
                    askForName();
                    giveKeysToFolderName();
                };
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
    // JUCE's New Folder box puts only its buttons in its focus order, so its first button took
    // the keys, and with them what was typed. Its name box goes first: it has the keys now, and
    // again when the window manager focuses the box.
    static void giveKeysToFolderName()
    {
        if (auto* box = dynamic_cast<juce::AlertWindow*> (juce::Component::getCurrentlyModalComponent()))
            if (auto* name = box->getTextEditor ("Folder Name"))
            {
                name->setExplicitFocusOrder (1);
                name->grabKeyboardFocus();
            }
    }

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
#else
PresetFileChooser::PresetFileChooser (const juce::String& title, Purpose purposeToUse,
                                      const juce::File& start)
    : chooser (title, start, presetFilePattern, true)
    , purpose (purposeToUse)
{
}

// JUCE takes a dialog still up down with its chooser, answering nothing.
PresetFileChooser::~PresetFileChooser() = default;

juce::File PresetFileChooser::run()
{
    const bool chosen = purpose == Purpose::save ? chooser.browseForFileToSave (chooserAsksToOverwrite)
                                                 : chooser.browseForFileToOpen();
    return chosen ? chooser.getResult() : juce::File();
}

void PresetFileChooser::launch (std::function<void (const juce::File&)> answered)
{
    const int overwrite = purpose == Purpose::save ? juce::FileBrowserComponent::warnAboutOverwriting : 0;
    chooser.launchAsync (browserFlags (purpose) | overwrite,
                         [answered] (const juce::FileChooser& done) { answered (done.getResult()); });
}
#endif

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

        const bool asked = file.hasFileExtension (extension) && chooserAsksToOverwrite;
        if (! file.hasFileExtension (extension))
            file = file.getSiblingFile (file.getFileName() + extension);

        if (! file.exists() || asked ||
            AlertBox::ask (
                juce::MessageBoxIconType::WarningIcon, TRANS ("File already exists"),
                TRANS ("There's already a file called: FLNM").replace ("FLNM", file.getFullPathName()) +
                    "\n\n" + TRANS ("Are you sure you want to overwrite it?"),
                { TRANS ("Overwrite"), TRANS ("Cancel") }) == 1)
            return file;
    }
}
