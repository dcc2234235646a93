// Sends one main window's preset to the device location the user picks. It hears every send
// result while it exists, but acts only on the success of its own preset: the message, then off
// the desktop. Failures are the application's to report; the window stays up to try again.
#pragma once

#include "app/desktop/WindowWithKeyboardFocus.h"
#include "app/windows/sendpreset/SendPresetComponent.h"
#include "midi/QRX5EditorEngine.h"

class SendPresetWindow : public WindowWithKeyboardFocus<juce::DocumentWindow>,
                         public juce::ReferenceCountedObject,
                         public QRX5EditorEngine::Listener,
                         public juce::Button::Listener
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<SendPresetWindow>;

    // Registers with the engine and listens to the content's Send button; not yet on the desktop.
    SendPresetWindow (QRX5EditorPreset::Ptr preset, QRX5EditorEngine::Ptr engine,
                      SendPresetComponent::Ptr content);
    ~SendPresetWindow() override;

    void buttonClicked (juce::Button* button) override;
    void sendPresetResult (QRX5EditorPreset::Ptr preset, int result) override;
    void requestPresetResult (int result) override;
    void openPresetFileResult (int result) override;
    void savePresetFileResult (int result) override;

    // Only leaves the desktop; the main window shows the same window again next time.
    void closeButtonPressed() override;

private:
    QRX5EditorPreset::Ptr preset;
    QRX5EditorEngine::Ptr engine;
    SendPresetComponent::Ptr content;
    CustomLookForAuxiliaryWindows look;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SendPresetWindow)
};
