#include "app/QRX5EditorApplication.h"

#include "app/CloseQueue.h"
#include "app/CommandIds.h"
#include "app/MainContentComponent.h"
#include "app/MainMenuModel.h"
#include "app/WindowManager.h"
#include "app/desktop/AlertBox.h"
#include "app/desktop/DocumentOpener.h"
#include "app/desktop/ModifierKeysResync.h"
#include "app/desktop/PresetFileChooser.h"
#include "app/desktop/QueuedXEvents.h"
#include "app/desktop/WindowKeyboardFocus.h"
#include "app/desktop/WindowPictureKeeper.h"
#include "app/desktop/WindowSizeHints.h"
#include "app/windows/GlobalSettingsWindow.h"
#include "app/windows/about/AboutWindow.h"
#include "app/windows/loadfromhardware/GetPresetWindow.h"
#include "app/windows/midisetup/MidiSetupWindow.h"
#include "app/windows/sendmultiple/SendMultiplePresetsWindow.h"
#include "midi/SystemMidiPortLayer.h"
#include "ui/EditorStrings.h"
#include "ui/ImageButtonFactories.h"

namespace
{
const juce::String userGuideName{ "QRX571 Editor - User Guide - v1.0.pdf" };

// Puts an application window on screen: on the desktop, visible and in front.
void showInFront (juce::TopLevelWindow& window) { WindowSizeHints::show (window, true); }
} // namespace

QRX5EditorApplication::QRX5EditorApplication() = default;

QRX5EditorApplication::~QRX5EditorApplication()
{
    if (engine != nullptr)
        engine->removeListener (this);
    engine = nullptr;

    aboutWindow = nullptr;
    midiSetupWindow = nullptr;
    loadFromHardwareWindow = nullptr;
    sendMultiplePresetsWindow = nullptr;
    globalSettingsWindow = nullptr;
    midiManager = nullptr;
}

//==============================================================================
void QRX5EditorApplication::initialise (const juce::String& commandLine)
{
    midiManager = new MidiManager (createPortLayer());
    windowManager = new WindowManager();
    closeQueue = std::make_unique<CloseQueue> (
        *windowManager, [this] { commandManager->commandStatusChanged(); },
        [this] (bool quitAnswered)
        {
            if (quitAnswered)
                quitApplication();
            else
                quitIfNothingIsOnScreen();
        });

    commandManager = std::make_unique<juce::ApplicationCommandManager>();
    commandManager->registerAllCommandsForTarget (this);
    commandManager->addListener (this);

    // Each main window carries the menu bar, since Linux has no menu bar of its own; the
    // alert windows are JUCE's own, the same on every desktop.
    menuModel = std::make_unique<MainMenuModel> (*commandManager);
    pictureKeeper = std::make_unique<WindowPictureKeeper>();
    ModifierKeysResync::install();
    QueuedXEvents::install();

    midiManager->openInputDevice (getMidiInputName());
    midiManager->openOutputDevice (getMidiOutputName());

    const auto argument = commandLine.trim();
    if (argument.isNotEmpty() && ! argument.startsWith ("-"))
    {
        anotherInstanceStarted (argument);
        return;
    }

    createEngine();
    newPresetWindow();
}

void QRX5EditorApplication::shutdown()
{
    pictureKeeper = nullptr;
    if (sendMultiplePresetsWindow != nullptr)
        sendMultiplePresetsWindow->releaseContent();
    sendMultiplePresetsWindow = nullptr;
    globalSettingsWindow = nullptr;
    if (loadFromHardwareWindow != nullptr)
        loadFromHardwareWindow->release();
    loadFromHardwareWindow = nullptr;

    guideOpener = nullptr;
    closeQueue = nullptr;
    windowManager = nullptr;

    // The menu model stops watching the command manager as it goes, so it goes first.
    menuModel = nullptr;
    if (commandManager != nullptr)
        commandManager->removeListener (this);
    commandManager = nullptr;
}

void QRX5EditorApplication::anotherInstanceStarted (const juce::String& commandLine)
{
    const auto path = commandLine.trim().unquoted();
    if (path.isEmpty() || windowManager == nullptr)
        return;

    const auto file = juce::File::getCurrentWorkingDirectory().getChildFile (path);

    if (windowManager->getNumWindows() == 0)
        openFileInNewWindow (file);
    else if (auto active = windowManager->getActiveWindow())
        active->openFile (file);
}

// A quit asked while a save question is open waits its turn, as a close does.
void QRX5EditorApplication::systemRequestedQuit()
{
    if (closeQueue != nullptr)
        closeQueue->requestQuit();
    else
        quitApplication();
}

void QRX5EditorApplication::quitApplication() { juce::JUCEApplicationBase::quit(); }

//==============================================================================
void QRX5EditorApplication::getAllCommands (juce::Array<juce::CommandID>& commands)
{
    using C = juce::CommandID;
    for (auto id : { C (CommandIds::newPreset), C (CommandIds::openPreset), C (CommandIds::loadFromHardware),
                     C (CommandIds::midiSetup), C (CommandIds::quit), C (CommandIds::sendMultiplePresets),
                     C (CommandIds::globalSettingsEditor), C (CommandIds::minimizeWindow),
                     C (CommandIds::bringAllToFront), C (CommandIds::openUserGuide), C (CommandIds::about) })
        commands.add (id);
}

void QRX5EditorApplication::getCommandInfo (juce::CommandID commandID, juce::ApplicationCommandInfo& result)
{
    switch (commandID)
    {
        case CommandIds::newPreset:
            CommandIds::describe (result, EditorStrings::newPreset, 'n');
            break;
        case CommandIds::openPreset:
            CommandIds::describe (result, EditorStrings::openPreset, 'o');
            break;
        case CommandIds::loadFromHardware:
            CommandIds::describe (result, EditorStrings::loadFromHardware);
            break;
        case CommandIds::midiSetup:
            CommandIds::describe (result, EditorStrings::midiSetup);
            break;
        case CommandIds::quit:
            CommandIds::describe (result, "Quit", 'q');
            break;
        case CommandIds::sendMultiplePresets:
            CommandIds::describe (result, EditorStrings::sendMultiplePresets);
            break;
        case CommandIds::globalSettingsEditor:
            CommandIds::describe (result, EditorStrings::globalSettingsEditor);
            break;
        case CommandIds::minimizeWindow:
            CommandIds::describe (result, EditorStrings::minimizeWindow, 'm');
            break;
        case CommandIds::bringAllToFront:
            CommandIds::describe (result, EditorStrings::bringAllToFront);
            result.setActive (windowManager != nullptr && windowManager->getNumWindows() > 0);
            break;
        case CommandIds::openUserGuide:
            CommandIds::describe (result, EditorStrings::openUserGuide);
            break;
        case CommandIds::about:
            CommandIds::describe (result, EditorStrings::about);
            break;
        default:
            break;
    }
}

bool QRX5EditorApplication::perform (const InvocationInfo& info)
{
    switch (info.commandID)
    {
        case CommandIds::newPreset:
            newPresetWindow();
            break;
        case CommandIds::openPreset:
            openPresetWithChooser();
            break;
        case CommandIds::loadFromHardware:
            showLoadFromHardwareWindow();
            break;
        case CommandIds::midiSetup:
            showMidiSetupWindow();
            break;
        case CommandIds::quit:
            systemRequestedQuit();
            break;
        case CommandIds::sendMultiplePresets:
            showSendMultiplePresetsWindow();
            break;
        case CommandIds::globalSettingsEditor:
            showGlobalSettingsWindow();
            break;
        case CommandIds::minimizeWindow:
            // A main window minimises itself: this is for the tool windows.
            if (auto* window =
                    dynamic_cast<juce::ResizableWindow*> (WindowKeyboardFocus::getWindowWithTheKeys()))
                window->setMinimised (true);
            break;
        case CommandIds::bringAllToFront:
            if (windowManager != nullptr)
                windowManager->bringAllToFront();
            break;
        case CommandIds::openUserGuide:
            openUserGuide();
            break;
        case CommandIds::about:
            showAboutWindow();
            break;
        default:
            break;
    }
    return true;
}

//==============================================================================
void QRX5EditorApplication::openMainWindow (MainContentComponent* content, QRX5EditorPreset::Ptr preset,
                                            const juce::String& path)
{
    const auto title =
        path.isNotEmpty() ? path : "Untitled " + juce::String (windowManager->getNumWindowsCreated() + 1);

    MainWindow::Ptr window = new MainWindow (content, preset, getEngine(), title, menuModel.get());
    commandManager->registerAllCommandsForTarget (window.get());
    giveShortcutsTo (*window);
    windowManager->addWindow (window);
    commandManager->commandStatusChanged();
}

void QRX5EditorApplication::applicationCommandInvoked (const juce::ApplicationCommandTarget::InvocationInfo&)
{
    WindowKeyboardFocus::commitTypingInEveryWindow();
}

void QRX5EditorApplication::giveShortcutsTo (juce::Component& window)
{
    if (commandManager != nullptr) // none before the application is initialised
        window.addKeyListener (commandManager->getKeyMappings());
}

void QRX5EditorApplication::closeWindow (MainWindow* window)
{
    if (closeQueue != nullptr)
        closeQueue->requestClose (window);
}

void QRX5EditorApplication::quitIfNothingIsOnScreen()
{
    if (windowManager != nullptr && windowManager->getNumWindows() == 0 && ! isAnyApplicationWindowOnScreen())
        quitApplication();
}

bool QRX5EditorApplication::isAnyApplicationWindowOnScreen() const
{
    if (boxesOnScreen > 0)
        return true;

    for (juce::Component* window : std::initializer_list<juce::Component*>{
             aboutWindow.get(), midiSetupWindow.get(), loadFromHardwareWindow.get(),
             sendMultiplePresetsWindow.get(), globalSettingsWindow.get() })
        if (window != nullptr && window->isOnDesktop() && window->isVisible())
            return true;
    return false;
}

//==============================================================================
void QRX5EditorApplication::sendPresetResult (QRX5EditorPreset::Ptr, int result)
{
    showResultMessage (result);
}

void QRX5EditorApplication::requestPresetResult (int result) { showResultMessage (result); }

void QRX5EditorApplication::showResultMessage (int result)
{
    if (result == 0)
    {
        showMidiSetupWindow();
        showMessage (EditorStrings::midiDeviceNotFound);
    }
    else if (result == 1)
    {
        showMessage (EditorStrings::noPresetAcknowledgement);
    }
}

void QRX5EditorApplication::openPresetFileResult (int result)
{
    if (result == 0 || result == 1)
        showMessage (EditorStrings::errorOpeningFile);
}

// The main window, the only one that saves, says at once when a write failed.
void QRX5EditorApplication::savePresetFileResult (int) {}

void QRX5EditorApplication::showMessage (const juce::String& text)
{
    showBox (juce::MessageBoxIconType::WarningIcon, text);
}

void QRX5EditorApplication::showBox (juce::MessageBoxIconType icon, const juce::String& text)
{
    // A message still up keeps the program running, so one shown as the last window closes
    // (a batch's confirmation) is read before the program quits.
    ++boxesOnScreen;
    AlertBox::show (icon, getApplicationName(), text,
                    []
                    {
                        if (auto* app = getApp())
                        {
                            app->boxesOnScreen = std::max (0, app->boxesOnScreen - 1);
                            app->quitIfNothingIsOnScreen();
                        }
                    });
}

//==============================================================================
void QRX5EditorApplication::showAboutWindow()
{
    if (aboutWindow == nullptr)
    {
        aboutWindow = new AboutWindow (createLogoImage());
        giveShortcutsTo (*aboutWindow);
    }

    showInFront (*aboutWindow);
}

void QRX5EditorApplication::showMidiSetupWindow()
{
    if (midiSetupWindow == nullptr)
    {
        ReferenceCountedImageButton::Ptr ok, cancel, apply;
        makeOkButton (ok);
        makeCancelButton (cancel);
        makeApplyButton (apply);

        MidiSetupComponent::Ptr content = new MidiSetupComponent (ok, cancel, apply);
        content->refresh (midiManager);
        midiSetupWindow = new MidiSetupWindow (content, midiManager);
        giveShortcutsTo (*midiSetupWindow);
        midiSetupWindow->centreWithSize (midiSetupWindow->getWidth(), midiSetupWindow->getHeight());
    }

    showInFront (*midiSetupWindow);
}

void QRX5EditorApplication::closeMidiSetupWindow()
{
    midiSetupWindow = nullptr;
    quitIfNothingIsOnScreen();
}

void QRX5EditorApplication::showLoadFromHardwareWindow()
{
    if (loadFromHardwareWindow == nullptr)
    {
        loadFromHardwareWindow = new GetPresetWindow (getEngine());
        giveShortcutsTo (*loadFromHardwareWindow);
    }

    auto& window = *loadFromHardwareWindow;
    window.centreWithSize (window.getWidth(), window.getHeight());
    window.addToDesktop();
    window.refresh();
    showInFront (window);
}

void QRX5EditorApplication::closeLoadFromHardwareWindow()
{
    if (loadFromHardwareWindow != nullptr)
        loadFromHardwareWindow->release();
    loadFromHardwareWindow = nullptr;
    quitIfNothingIsOnScreen();
}

void QRX5EditorApplication::showSendMultiplePresetsWindow()
{
    if (sendMultiplePresetsWindow == nullptr)
    {
        sendMultiplePresetsWindow = new SendMultiplePresetsWindow();
        giveShortcutsTo (*sendMultiplePresetsWindow);
    }

    sendMultiplePresetsWindow->resetSlots();
    showInFront (*sendMultiplePresetsWindow);
}

void QRX5EditorApplication::closeSendMultiplePresetsWindow()
{
    if (sendMultiplePresetsWindow != nullptr)
        sendMultiplePresetsWindow->releaseContent();
    sendMultiplePresetsWindow = nullptr;
    quitIfNothingIsOnScreen();
}

void QRX5EditorApplication::showGlobalSettingsWindow()
{
    if (globalSettingsWindow == nullptr)
    {
        globalSettingsWindow = new GlobalSettingsWindow (createGlobalSettingsComponent(), getEngine());
        giveShortcutsTo (*globalSettingsWindow);
    }

    auto& window = *globalSettingsWindow;
    window.centreWithSize (window.getWidth(), window.getHeight());
    window.requestSettings();
    showInFront (window);
}

void QRX5EditorApplication::closeGlobalSettingsWindow()
{
    globalSettingsWindow = nullptr;
    quitIfNothingIsOnScreen();
}

//==============================================================================
void QRX5EditorApplication::openPresetWithChooser()
{
    // Up, it keeps the program running as a message does: the file chosen opens in a new
    // window even when the last window was closed meanwhile.
    ++boxesOnScreen;
    const auto chosen = choosePresetFileToOpen ("Select Filename to open");
    boxesOnScreen = std::max (0, boxesOnScreen - 1);

    if (chosen != juce::File())
        openFileInNewWindow (chosen);
    else
        quitIfNothingIsOnScreen();
}

juce::Array<juce::File> QRX5EditorApplication::getUserGuideLocations (const juce::File& executable)
{
    const auto folder = executable.getParentDirectory();
    return { folder.getChildFile (userGuideName),
             folder.getSiblingFile ("share").getChildFile ("qrx571-editor").getChildFile (userGuideName) };
}

void QRX5EditorApplication::openUserGuide()
{
    const auto executable = juce::File::getSpecialLocation (juce::File::currentExecutableFile);
    const auto locations = getUserGuideLocations (executable);

    for (auto& guide : locations)
        if (guide.existsAsFile())
        {
            if (guideOpener == nullptr)
                guideOpener = std::make_unique<DocumentOpener> (
                    [this] (auto& file) { showUserGuideProblem ("Unable to open user guide.", file); });
            guideOpener->open (guide);
            return;
        }

    // Name the place this kind of program keeps it: under share/ once installed.
    const bool installed = executable.getParentDirectory().getFileName() == "bin";
    showUserGuideProblem ("Unable to find user guide.", installed ? locations[1] : locations[0]);
}

// The path says where to put the guide, or, when it is there but nothing opened it, lets the user
// open it by hand.
void QRX5EditorApplication::showUserGuideProblem (const juce::String& text, const juce::File& guide)
{
    showBox (juce::MessageBoxIconType::NoIcon, text + "\n" + guide.getFullPathName());
}

std::shared_ptr<MidiPortLayer> QRX5EditorApplication::createPortLayer()
{
    return std::make_shared<SystemMidiPortLayer>();
}
