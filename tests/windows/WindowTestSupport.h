// The auxiliary windows against the emulated device: an application that keeps what the windows
// ask of it and makes, shows and releases each window as the real one does, an engine on the
// in-process ports, and clicks made with the mouse.
#pragma once

#include "autopopulate/AutoPopulateTestSupport.h"
#include "engine/EngineTestSupport.h"
#include "views/TestApplication.h"
#include "views/ViewTestSupport.h"

#include "app/windows/GlobalSettingsWindow.h"
#include "app/windows/loadfromhardware/GetPresetWindow.h"
#include "app/windows/midisetup/MidiSetupWindow.h"
#include "app/windows/sendmultiple/SendMultiplePresetsListModel.h"
#include "app/windows/sendmultiple/SendMultiplePresetsWindow.h"
#include "ui/EditorStrings.h"
#include "ui/ImageButtonFactories.h"
#include "ui/QRX571GlobalSettingsComponent.h"

class WindowTestApplication : public TestApplication
{
public:
    WindowTestApplication (QRX5EditorEngine::Ptr engineToUse, MidiManager::Ptr manager)
        : midiManager (std::move (manager))
    {
        useEngine (std::move (engineToUse));
    }

    ~WindowTestApplication() override
    {
        closeLoadFromHardwareWindow();
        closeSendMultiplePresetsWindow();
        closeGlobalSettingsWindow();
    }

    void createWindowForPreset (QRX5EditorPreset::Ptr preset) override { openedPresets.add (preset); }
    void showMessage (const juce::String& text) override { messages.add (text); }
    void sendPresetResult (QRX5EditorPreset::Ptr, int result) override { sendResults.push_back (result); }
    void requestPresetResult (int result) override { requestResults.push_back (result); }
    // Counts the presets made with it, on whatever thread makes them.
    std::function<QRX5EditorPreset::Ptr()> getPresetMaker() override
    {
        return [made = presetsMade, make = TestApplication::getPresetMaker()]
        {
            ++*made;
            return make();
        };
    }

    void showMidiSetup()
    {
        if (midiSetup == nullptr)
        {
            ReferenceCountedImageButton::Ptr ok, cancel, apply;
            makeOkButton (ok);
            makeCancelButton (cancel);
            makeApplyButton (apply);
            MidiSetupComponent::Ptr content = new MidiSetupComponent (ok, cancel, apply);
            content->refresh (midiManager);
            midiSetup = new MidiSetupWindow (content, midiManager);
        }
        show (*midiSetup);
    }
    void closeMidiSetupWindow() override { midiSetup = nullptr; }

    using A = QRX5EditorApplication;
    void closeLoadFromHardwareWindow() override { A::closeLoadFromHardwareWindow(); }
    void showSendMultiplePresetsWindow() override { A::showSendMultiplePresetsWindow(); }
    void closeSendMultiplePresetsWindow() override { A::closeSendMultiplePresetsWindow(); }
    void showGlobalSettingsWindow() override { A::showGlobalSettingsWindow(); }
    void closeGlobalSettingsWindow() override { A::closeGlobalSettingsWindow(); }
    juce::ReferenceCountedObjectPtr<GlobalSettingsComponent> createGlobalSettingsComponent() override
    {
        return new QRX571GlobalSettingsComponent();
    }

    static void show (juce::DocumentWindow& window)
    {
        window.addToDesktop();
        window.setVisible (true);
    }

    MidiSetupWindow::Ptr midiSetup;
    juce::ReferenceCountedArray<QRX5EditorPreset> openedPresets;
    juce::StringArray messages;
    std::vector<int> sendResults, requestResults;
    const std::shared_ptr<std::atomic<int>> presetsMade = std::make_shared<std::atomic<int>> (0);

private:
    MidiManager::Ptr midiManager;
};

class WindowTest : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        engine->setReplyTimeout (1000); // no answer misses it on a loaded machine
        openDevicePorts();
        app = TestApplication::make<WindowTestApplication> (engine, manager);
    }

    void TearDown() override
    {
        app = nullptr;
        EngineTest::TearDown();
    }

    // A mouse click in the middle of `area` of `target` (all of it if empty), shown in `window`.
    static void click (juce::Component& window, juce::Component& target, juce::Rectangle<int> area = {})
    {
        const auto centre =
            window.getLocalPoint (&target, (area.isEmpty() ? target.getLocalBounds() : area).getCentre());
        viewtest::mouse (window, centre.toFloat(), true);
        viewtest::mouse (window, centre.toFloat(), false);
    }

    std::unique_ptr<WindowTestApplication> app;
};
