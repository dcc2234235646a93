// The face of the application that views and windows see. They never hold the application
// object: they ask getApp at the moment of use and reach the editor engine through it.
#pragma once

#include "midi/QRX5EditorEngine.h"
#include "model/QRX5EditorPreset.h"

#include <juce_gui_basics/juce_gui_basics.h>

class GlobalSettingsComponent;
class MainContentComponent;
class MainWindow;

class QRX5EditorApplication : public juce::JUCEApplication, public QRX5EditorEngine::Listener
{
public:
    // The running application, or null when there is none or it is of another class.
    static QRX5EditorApplication* getApp()
    {
        return dynamic_cast<QRX5EditorApplication*> (juce::JUCEApplicationBase::getInstance());
    }

    // Opens a new main window on a fresh default preset.
    virtual void newPresetWindow() = 0;

    // Opens a new, untitled main window showing this very preset object.
    virtual void createWindowForPreset (QRX5EditorPreset::Ptr preset) = 0;

    // Opens a new main window and loads the file into its preset.
    virtual void openFileInNewWindow (const juce::File& file) = 0;

    virtual void closeMidiSetupWindow() = 0;

    // A new auto-populate component bound to the preset; the caller owns it.
    virtual juce::Component* createAutoPopulateComponent (QRX5EditorPreset::Ptr preset) = 0;

    // Engine results: failures become messages for the user.
    void sendPresetResult (QRX5EditorPreset::Ptr preset, int result) override = 0;
    void requestPresetResult (int result) override = 0;
    void openPresetFileResult (int result) override = 0;
    void savePresetFileResult (int result) override = 0;

    virtual void showAboutWindow() = 0;

    // Shows the text in an asynchronous warning box and returns at once.
    virtual void showMessage (const juce::String& text) = 0;

    // The one editor engine: the same object on every call while the message loop runs.
    virtual QRX5EditorEngine::Ptr getEngine() = 0;

    // A new object on every call, holding the built-in default preset.
    virtual QRX5EditorPreset::Ptr createDefaultPreset() = 0;

    virtual juce::String getMidiInputName() = 0;
    virtual juce::String getMidiOutputName() = 0;

    // The About picture, as a new image.
    virtual juce::Image createLogoImage() = 0;

    virtual void openUserGuide() = 0;
    virtual void closeLoadFromHardwareWindow() = 0;
    virtual void showSendMultiplePresetsWindow() = 0;
    virtual void closeSendMultiplePresetsWindow() = 0;
    virtual void showGlobalSettingsWindow() = 0;
    virtual void closeGlobalSettingsWindow() = 0;

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
};
