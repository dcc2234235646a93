// The face of the application that views and windows see. They never hold the application
// object: they ask getApp at the moment of use and reach the editor engine through it.
#pragma once

#include "midi/QRX5EditorEngine.h"
#include "model/QRX5EditorPreset.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>

class AboutWindow;
class CloseQueue;
class DocumentOpener;
class GetPresetWindow;
class GlobalSettingsComponent;
class GlobalSettingsWindow;
class MainContentComponent;
class MainMenuModel;
class WindowPictureKeeper;
class MainWindow;
class MidiPortLayer;
class MidiSetupWindow;
class SendMultiplePresetsWindow;
class WindowManager;

class QRX5EditorApplication : public juce::JUCEApplication,
                              public QRX5EditorEngine::Listener,
                              private juce::ApplicationCommandManagerListener
{
public:
    // The running application, or null when there is none or it is of another class.
    static QRX5EditorApplication* getApp()
    {
        return dynamic_cast<QRX5EditorApplication*> (juce::JUCEApplicationBase::getInstance());
    }

    QRX5EditorApplication();
    ~QRX5EditorApplication() override;

    const juce::String getApplicationName() override { return JUCE_APPLICATION_NAME_STRING; }
    const juce::String getApplicationVersion() override { return JUCE_APPLICATION_VERSION_STRING; }
    bool moreThanOneInstanceAllowed() override { return true; }
    void initialise (const juce::String& commandLine) override;
    void shutdown() override;
    void anotherInstanceStarted (const juce::String& commandLine) override;
    void systemRequestedQuit() override;

    void getAllCommands (juce::Array<juce::CommandID>& commands) override;
    void getCommandInfo (juce::CommandID commandID, juce::ApplicationCommandInfo& result) override;
    bool perform (const InvocationInfo& info) override;

    // Opens a new main window on a fresh default preset.
    virtual void newPresetWindow() = 0;

    // Opens a new, untitled main window showing this very preset object.
    virtual void createWindowForPreset (QRX5EditorPreset::Ptr preset) = 0;

    // Opens a new main window and loads the file into its preset.
    virtual void openFileInNewWindow (const juce::File& file) = 0;

    virtual void closeMidiSetupWindow();

    // A new auto-populate component bound to the preset; the caller owns it.
    virtual juce::Component* createAutoPopulateComponent (QRX5EditorPreset::Ptr preset) = 0;

    // The program's shortcuts act in every window it makes, tool windows too, through the key
    // mappings of its one command manager. Those of a command that acts on one preset find no
    // target outside the preset's main window, and do nothing there.
    void giveShortcutsTo (juce::Component& window);

    // Engine results: failures become messages for the user.
    void sendPresetResult (QRX5EditorPreset::Ptr preset, int result) override;
    void requestPresetResult (int result) override;
    void openPresetFileResult (int result) override;
    void savePresetFileResult (int result) override;

    virtual void showAboutWindow();

    // Shows the text in an asynchronous warning box and returns at once.
    virtual void showMessage (const juce::String& text);

    // The one editor engine: the same object on every call while the message loop runs.
    virtual QRX5EditorEngine::Ptr getEngine() = 0;

    // A new object on every call, holding the built-in default preset.
    virtual QRX5EditorPreset::Ptr createDefaultPreset() = 0;
    // Makes what createDefaultPreset makes, on any thread and needing nothing of the application,
    // so a worker that outlives it may keep and call it.
    virtual std::function<QRX5EditorPreset::Ptr()> getPresetMaker() = 0;

    virtual juce::String getMidiInputName() = 0;
    virtual juce::String getMidiOutputName() = 0;

    // The About picture, as a new image.
    virtual juce::Image createLogoImage() = 0;

    virtual void openUserGuide();
    virtual void closeLoadFromHardwareWindow();
    virtual void showSendMultiplePresetsWindow();
    virtual void closeSendMultiplePresetsWindow();
    virtual void showGlobalSettingsWindow();
    virtual void closeGlobalSettingsWindow();

    // A new settings page, registered with the engine's settings.
    virtual juce::ReferenceCountedObjectPtr<GlobalSettingsComponent> createGlobalSettingsComponent() = 0;

    // Creates the engine when there is none yet.
    virtual void createEngine() = 0;

    // Implemented with the application object itself.
    void openMainWindow (MainContentComponent* content, QRX5EditorPreset::Ptr preset,
                         const juce::String& path);
    void closeWindow (MainWindow* window);
    void showMidiSetupWindow();
    void showLoadFromHardwareWindow();
    void openPresetWithChooser();

    // With no main window and none of the application's own windows, messages or file choosers
    // on screen nothing could reach the program any more, so it quits.
    void quitIfNothingIsOnScreen();

    // What the program is made of, for whoever needs to look (the tests).
    MidiManager* getMidiManager() const { return midiManager.get(); }
    WindowManager* getWindowManager() const { return windowManager.get(); }
    juce::ApplicationCommandManager* getCommandManager() const { return commandManager.get(); }
    MainMenuModel* getMenuModel() const { return menuModel.get(); }
    AboutWindow* getAboutWindow() const { return aboutWindow.get(); }
    MidiSetupWindow* getMidiSetupWindow() const { return midiSetupWindow.get(); }
    GetPresetWindow* getLoadFromHardwareWindow() const { return loadFromHardwareWindow.get(); }
    SendMultiplePresetsWindow* getSendMultiplePresetsWindow() const
    {
        return sendMultiplePresetsWindow.get();
    }
    GlobalSettingsWindow* getGlobalSettingsWindow() const { return globalSettingsWindow.get(); }
    DocumentOpener* getUserGuideOpener() const { return guideOpener.get(); }

    // Where "Open User Guide" looks, in order: beside the program, then under share/.
    static juce::Array<juce::File> getUserGuideLocations (const juce::File& executable);

protected:
    // The MIDI ports the program talks through: the system's.
    virtual std::shared_ptr<MidiPortLayer> createPortLayer();

    // Ends the message loop; the program then shuts down.
    virtual void quitApplication();

    QRX5EditorEngine::Ptr engine;

private:
    void showResultMessage (int result);
    void showBox (juce::MessageBoxIconType icon, const juce::String& text);
    void showUserGuideProblem (const juce::String& text, const juce::File& guide);
    bool isAnyApplicationWindowOnScreen() const;

    // Before any command acts, however it was given: a shortcut pressed in an open box leaves
    // it, and what was typed counts first.
    void applicationCommandInvoked (const juce::ApplicationCommandTarget::InvocationInfo&) override;
    void applicationCommandListChanged() override {}

    std::unique_ptr<juce::ApplicationCommandManager> commandManager;
    std::unique_ptr<MainMenuModel> menuModel;
    std::unique_ptr<WindowPictureKeeper> pictureKeeper;
    juce::ReferenceCountedObjectPtr<WindowManager> windowManager;
    std::unique_ptr<CloseQueue> closeQueue;
    std::unique_ptr<DocumentOpener> guideOpener;
    MidiManager::Ptr midiManager;
    juce::ReferenceCountedObjectPtr<AboutWindow> aboutWindow;
    juce::ReferenceCountedObjectPtr<SendMultiplePresetsWindow> sendMultiplePresetsWindow;
    juce::ReferenceCountedObjectPtr<MidiSetupWindow> midiSetupWindow;
    juce::ReferenceCountedObjectPtr<GlobalSettingsWindow> globalSettingsWindow;
    juce::ReferenceCountedObjectPtr<GetPresetWindow> loadFromHardwareWindow;
    int boxesOnScreen = 0; // messages and the Open chooser, shown and not yet answered

    JUCE_DECLARE_NON_COPYABLE (QRX5EditorApplication)
};
