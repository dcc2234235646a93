// Hosts the global-settings page and carries out its buttons: Send writes the page's settings
// to the device, Revert writes back what the device had before the last Send, Get reads them.
// The device's current settings live in the engine; the window keeps only the Revert snapshot.
#pragma once

#include "app/desktop/WindowWithKeyboardFocus.h"
#include "midi/QRX5EditorEngine.h"
#include "ui/GlobalSettingsComponent.h"

class GlobalSettingsWindow : public WindowWithKeyboardFocus<juce::DocumentWindow>,
                             public juce::ReferenceCountedObject,
                             public juce::Button::Listener
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<GlobalSettingsWindow>;

    // On the desktop but not yet visible.
    GlobalSettingsWindow (GlobalSettingsComponent::Ptr view, QRX5EditorEngine::Ptr engine);
    ~GlobalSettingsWindow() override;

    void buttonClicked (juce::Button* button) override;

    void sendSettings();
    void revertSettings();
    void requestSettings();

    // Asks the application to let go of the window; the next command makes a new one.
    void closeButtonPressed() override;

private:
    // A copy of the settings as last read from the device.
    void takeSnapshot();

    GlobalSettingsComponent::Ptr view;
    QRX5GlobalSettings::Ptr snapshot;
    QRX5EditorEngine::Ptr engine;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (GlobalSettingsWindow)
};
