// The editor for the QRX571: its engine, default preset, pictures, port names and tool pages.
// With QRX571_EMULATOR=1 in the environment at start it talks to a built-in stand-in for the
// device instead of the system's MIDI ports, so everything can be tried without the device.
#pragma once

#include "app/QRX5EditorApplication.h"

#include <memory>

class QRX571Emulator;
class EmulatorStateFile;
class FontScanAhead;

class QRX571EditorApplication : public QRX5EditorApplication
{
public:
    static constexpr const char* emulatorVariable = "QRX571_EMULATOR";
    // Names a file kept showing what the emulator holds, for tests that drive the program from
    // outside its process.
    static constexpr const char* emulatorStateVariable = "QRX571_EMULATOR_STATE";

    QRX571EditorApplication();
    ~QRX571EditorApplication() override;

    void newPresetWindow() override;
    void createWindowForPreset (QRX5EditorPreset::Ptr preset) override;
    void openFileInNewWindow (const juce::File& file) override;
    juce::Component* createAutoPopulateComponent (QRX5EditorPreset::Ptr preset) override;
    QRX5EditorEngine::Ptr getEngine() override;
    QRX5EditorPreset::Ptr createDefaultPreset() override;
    std::function<QRX5EditorPreset::Ptr()> getPresetMaker() override;
    juce::String getMidiInputName() override;
    juce::String getMidiOutputName() override;
    juce::Image createLogoImage() override;
    juce::ReferenceCountedObjectPtr<GlobalSettingsComponent> createGlobalSettingsComponent() override;
    void createEngine() override;

    // The stand-in device, when the program runs with it.
    QRX571Emulator* getEmulator() const { return emulator.get(); }

protected:
    std::shared_ptr<MidiPortLayer> createPortLayer() override;

private:
    // Makes the window, taking the file's path only when the file holds a preset.
    void openWindow (QRX5EditorPreset::Ptr preset, const juce::String& path);

    std::unique_ptr<FontScanAhead> fontScan;
    std::unique_ptr<QRX571Emulator> emulator;
    std::unique_ptr<EmulatorStateFile> emulatorState; // after the emulator: it goes first

    JUCE_DECLARE_NON_COPYABLE (QRX571EditorApplication)
};
