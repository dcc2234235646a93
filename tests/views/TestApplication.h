// A small application for the view tests: it answers getApp and hands out a real engine on
// in-process MIDI ports; everything else does nothing.
#pragma once

#include "app/QRX5EditorApplication.h"
#include "midi/QRX571EditorEngine.h"
#include "midi/VirtualMidiPortLayer.h"
#include "model/DefaultPreset.h"

#include <memory>
#include <stdexcept>
#include <utility>

class TestApplication : public QRX5EditorApplication
{
public:
    // JUCE expects an application only in a program made to run one; say so while ours is made.
    // A suite may make its own subclass, with the arguments of its constructor.
    template <typename Application = TestApplication, typename... Args>
    static std::unique_ptr<Application> make (Args&&... args)
    {
        const auto previous = juce::JUCEApplicationBase::createInstance;
        juce::JUCEApplicationBase::createInstance = [] { return (juce::JUCEApplicationBase*)nullptr; };
        std::unique_ptr<Application> app (new Application (std::forward<Args> (args)...));
        juce::JUCEApplicationBase::createInstance = previous;
        return app;
    }

    ~TestApplication() override { engine->removeListener (this); }

    const juce::String getApplicationName() override { return "QRX571 Editor"; }
    const juce::String getApplicationVersion() override { return "1.0.8"; }
    void initialise (const juce::String&) override {}
    void shutdown() override {}
    void newPresetWindow() override {}
    void createWindowForPreset (QRX5EditorPreset::Ptr) override {}
    void openFileInNewWindow (const juce::File&) override {}
    void closeMidiSetupWindow() override {}
    juce::Component* createAutoPopulateComponent (QRX5EditorPreset::Ptr) override { return nullptr; }
    void sendPresetResult (QRX5EditorPreset::Ptr, int) override {}
    void requestPresetResult (int) override {}
    void openPresetFileResult (int) override {}
    void savePresetFileResult (int) override {}
    void showAboutWindow() override {}
    void showMessage (const juce::String&) override {}
    QRX5EditorPreset::Ptr createDefaultPreset() override { return makeDefaultPreset().get(); }
    std::function<QRX5EditorPreset::Ptr()> getPresetMaker() override
    {
        return [] { return QRX5EditorPreset::Ptr (makeDefaultPreset().get()); };
    }
    juce::String getMidiInputName() override { return "QRX571 Remote"; }
    juce::String getMidiOutputName() override { return "QRX571 Remote"; }
    juce::Image createLogoImage() override { return {}; }
    void openUserGuide() override {}
    void closeLoadFromHardwareWindow() override {}
    void showSendMultiplePresetsWindow() override {}
    void closeSendMultiplePresetsWindow() override {}
    void showGlobalSettingsWindow() override {}
    void closeGlobalSettingsWindow() override {}
    juce::ReferenceCountedObjectPtr<GlobalSettingsComponent> createGlobalSettingsComponent() override
    {
        throw std::logic_error ("the view tests make no settings page"); // its class is only declared here
    }

    QRX5EditorEngine::Ptr getEngine() override
    {
        ++engineRequests;
        return engine;
    }

    void createEngine() override
    {
        if (engine == nullptr)
            engine = new QRX571EditorEngine (midiManager);
    }

    int engineRequests = 0;

protected:
    TestApplication()
    {
        createEngine();
        engine->addListener (this);
    }

    // Puts another engine in place (one on the device emulator's ports, say), listened to as the first.
    void useEngine (QRX5EditorEngine::Ptr replacement)
    {
        engine->removeListener (this);
        engine = std::move (replacement);
        engine->addListener (this);
    }

private:
    MidiManager::Ptr midiManager{ new MidiManager (std::make_shared<VirtualMidiPortLayer>()) };
    QRX5EditorEngine::Ptr engine;
};
