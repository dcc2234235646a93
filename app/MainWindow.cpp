#include "app/MainWindow.h"

#include "app/CommandIds.h"
#include "app/MainContentComponent.h"
#include "app/QRX5EditorApplication.h"
#include "app/WindowManager.h"
#include "app/desktop/AlertBox.h"
#include "app/desktop/OpenMenus.h"
#include "app/desktop/PresetFileChooser.h"
#include "app/desktop/WindowSizeHints.h"
#include "app/windows/AutoPopToolWindow.h"
#include "app/windows/sendpreset/SendPresetWindow.h"
#include "ui/EditorStrings.h"
#include "ui/ImageButtonFactories.h"

namespace
{
juce::String applicationName()
{
    if (auto* app = QRX5EditorApplication::getApp())
        return app->getApplicationName();
    return JUCE_APPLICATION_NAME_STRING;
}
} // namespace

MainWindow::MainWindow (MainContentComponent* content, QRX5EditorPreset::Ptr presetToEdit,
                        QRX5EditorEngine::Ptr editorEngine, const juce::String& title,
                        juce::MenuBarModel* menuBar)
    : WindowWithKeyboardFocus (applicationName(), juce::Colours::black,
                               juce::DocumentWindow::closeButton | juce::DocumentWindow::minimiseButton,
                               false) // on the desktop once sized: see WindowSizeHints
    , preset (presetToEdit)
    , engine (editorEngine)
{
    if (juce::File::isAbsolutePath (title))
    {
        filePath = title;
        fileName = juce::File (title).getFileName();
    }
    else
    {
        fileName = title;
    }
    showTitle (fileName);

    setUsingNativeTitleBar (true);
    setResizable (false, false);
    setMenuBar (menuBar);
    setContentOwned (content, true);
}

MainWindow::~MainWindow()
{
    OpenMenus::closeAll();
    autoPopWindow.reset();
    setMenuBar (nullptr);
    clearContentComponent();
}

void MainWindow::closeButtonPressed() { closeWindow(); }

void MainWindow::getAllCommands (juce::Array<juce::CommandID>& commands)
{
    commands.add (CommandIds::closeWindow, CommandIds::save, CommandIds::saveAs, CommandIds::minimizeWindow,
                  CommandIds::autoPopulateTool, CommandIds::sendToHardware);
}

void MainWindow::getCommandInfo (juce::CommandID commandID, juce::ApplicationCommandInfo& result)
{
    switch (commandID)
    {
        case CommandIds::closeWindow:
            CommandIds::describe (result, EditorStrings::closeWindow, 'w');
            break;
        case CommandIds::save:
            CommandIds::describe (result, EditorStrings::save, 's');
            break;
        case CommandIds::saveAs:
            CommandIds::describe (result, EditorStrings::saveAs);
            break;
        case CommandIds::minimizeWindow:
            CommandIds::describe (result, EditorStrings::minimizeWindow, 'm');
            break;
        case CommandIds::autoPopulateTool:
            CommandIds::describe (result, EditorStrings::autoPopulateTool);
            break;
        case CommandIds::sendToHardware:
            CommandIds::describe (result, EditorStrings::sendToHardware);
            break;
        default:
            break;
    }
}

bool MainWindow::perform (const InvocationInfo& info)
{
    switch (info.commandID)
    {
        case CommandIds::closeWindow:
            closeWindow();
            return true;
        case CommandIds::save:
            save();
            return true;
        case CommandIds::saveAs:
            saveAs();
            return true;
        case CommandIds::minimizeWindow:
            setMinimised (true);
            return true;
        case CommandIds::autoPopulateTool:
            openAutoPopulateTool();
            return true;
        case CommandIds::sendToHardware:
            sendToHardware();
            return true;
        default:
            return false;
    }
}

juce::ApplicationCommandTarget* MainWindow::getNextCommandTarget()
{
    return findFirstTargetParentComponent();
}

bool MainWindow::confirmSave()
{
    // A close or quit under this window's own Save As would leave a chooser whose Save writes
    // nothing: its chooser, or the overwrite question after it, comes forward with the keys
    // instead, to be answered first.
    if (savingAs)
    {
        juce::ModalComponentManager::getInstance()->bringModalComponentsToFront();
        return false;
    }
    if (asking)
        return false;

    toFront (true); // the window asked about

    keyboardFocus.commitTyping(); // a close or quit while a box is open saves what it shows
    const Ptr keepAlive (this);
    const juce::ScopedValueSetter<bool> askingNow (asking, true);
    const int answer = AlertBox::ask (
        juce::MessageBoxIconType::QuestionIcon, EditorStrings::saveDocumentTitle,
        EditorStrings::savePresetQuestion + fileName, { TRANS ("Yes"), TRANS ("No"), TRANS ("Cancel") });
    if (answer == 1)
        return save();

    return answer == 2;
}

bool MainWindow::save()
{
    if (filePath.isNotEmpty() && juce::File (filePath).existsAsFile())
        return write (juce::File (filePath));
    return saveAs();
}

bool MainWindow::saveAs()
{
    // The window manager's close request still reaches a window while its chooser is up.
    const Ptr keepAlive (this);
    const juce::ScopedValueSetter<bool> savingAsNow (savingAs, true);
    const auto file = choosePresetFileToSave (EditorStrings::selectFilenameToSave);
    if (file == juce::File() || isClosed() || ! write (file))
        return false;

    filePath = file.getFullPathName();
    fileName = file.getFileName();
    showTitle (file.getFileNameWithoutExtension());
    return true;
}

bool MainWindow::write (const juce::File& file)
{
    if (engine->savePresetFile (file, preset))
        return true;

    // Now, not when the engine's result arrives: the close, open or quit that asked stops here,
    // and the user must learn why before doing anything else.
    if (auto* app = QRX5EditorApplication::getApp())
        app->showMessage (EditorStrings::errorSavingFile);
    return false;
}

void MainWindow::closeWindow()
{
    if (auto* app = QRX5EditorApplication::getApp())
        app->closeWindow (this);
}

bool MainWindow::isClosed() const
{
    auto* app = QRX5EditorApplication::getApp();
    auto* manager = app != nullptr ? app->getWindowManager() : nullptr;
    return manager == nullptr || ! manager->contains (this);
}

void MainWindow::openFile (const juce::File& file)
{
    const Ptr keepAlive (this);
    if (isModified() && (! confirmSave() || isClosed()))
        return;

    // The window takes the file only when it really holds a preset: a later Save must never
    // write this preset over a file that failed to load. The engine still reports the failure.
    const bool readable = engine->loadPresetFile (file);
    engine->openPresetFile (file, preset);

    if (readable)
    {
        filePath = file.getFullPathName();
        fileName = file.getFileName();
        showTitle (fileName);
    }
}

bool MainWindow::isModified()
{
    auto* app = QRX5EditorApplication::getApp();
    auto defaultPreset = app != nullptr ? app->createDefaultPreset() : nullptr;
    return defaultPreset == nullptr || defaultPreset->getData() != preset->getData();
}

void MainWindow::showTitle (const juce::String& name) { setName (applicationName() + " " + name); }

void MainWindow::sendToHardware()
{
    if (sendPresetWindow == nullptr)
    {
        ReferenceCountedImageButton::Ptr sendButton;
        makeSendButton (sendButton);
        sendPresetWindow = new SendPresetWindow (preset, engine, new SendPresetComponent (sendButton));
        if (auto* app = QRX5EditorApplication::getApp())
            app->giveShortcutsTo (*sendPresetWindow);
    }

    sendPresetWindow->centreAroundComponent (this, sendPresetWindow->getWidth(),
                                             sendPresetWindow->getHeight());
    WindowSizeHints::show (*sendPresetWindow, true); // in front, even when it is open behind this window
}

void MainWindow::openAutoPopulateTool()
{
    if (autoPopWindow == nullptr)
        if (auto* app = QRX5EditorApplication::getApp())
            if (auto* content = app->createAutoPopulateComponent (preset))
            {
                autoPopWindow = std::make_unique<AutoPopToolWindow> (content);
                app->giveShortcutsTo (*autoPopWindow);
            }

    if (autoPopWindow != nullptr)
        autoPopWindow->showAround (this, preset->getName());
}
