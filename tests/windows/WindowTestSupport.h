// The auxiliary windows against the emulated device: an application that keeps what the windows
// ask of it and makes its MIDI Setup and Load From Hardware windows as the real one does, an
// engine on the in-process ports, and clicks made with the mouse.
#pragma once

#include "engine/EngineTestSupport.h"
#include "views/TestApplication.h"
#include "views/ViewTestSupport.h"

#include "app/GetPresetWindow.h"
#include "app/MidiSetupWindow.h"
#include "ui/EditorStrings.h"
#include "ui/ImageButtonFactories.h"

class WindowTestApplication : public TestApplication
{
public:
    WindowTestApplication (QRX5EditorEngine::Ptr engineToUse, MidiManager::Ptr manager)
        : midiManager (std::move (manager))
    {
        useEngine (std::move (engineToUse));
    }

    void createWindowForPreset (QRX5EditorPreset::Ptr preset) override { openedPresets.add (preset); }
    void showMessage (const juce::String& text) override { messages.add (text); }

    // A send or request that found no port brings up MIDI Setup.
    void sendPresetResult (QRX5EditorPreset::Ptr, int result) override { noteResult (sendResults, result); }
    void requestPresetResult (int result) override { noteResult (requestResults, result); }

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

    void showLoadFromHardware()
    {
        if (loadFromHardware == nullptr)
            loadFromHardware = new GetPresetWindow (getEngine());
        loadFromHardware->refresh();
        show (*loadFromHardware);
    }

    void closeMidiSetupWindow() override { midiSetup = nullptr; }

    void closeLoadFromHardwareWindow() override
    {
        if (auto window = std::move (loadFromHardware))
            window->release();
    }

    static void show (juce::DocumentWindow& window)
    {
        window.addToDesktop();
        window.setVisible (true);
    }

    MidiSetupWindow::Ptr midiSetup;
    GetPresetWindow::Ptr loadFromHardware;
    juce::ReferenceCountedArray<QRX5EditorPreset> openedPresets;
    juce::StringArray messages;
    std::vector<int> sendResults, requestResults;

private:
    void noteResult (std::vector<int>& results, int result)
    {
        results.push_back (result);
        if (result == 0)
            showMidiSetup();
    }

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
        app->closeMidiSetupWindow();
        app->closeLoadFromHardwareWindow();
        app = nullptr;
        EngineTest::TearDown();
    }

    // A mouse click in the middle of `target`, which shows in `window`.
    static void click (juce::Component& window, juce::Component& target)
    {
        const auto centre = window.getLocalPoint (&target, target.getLocalBounds().getCentre()).toFloat();
        viewtest::mouse (window, centre, true);
        viewtest::mouse (window, centre, false);
    }

    template <typename T>
    static juce::Array<T*> childrenOf (juce::Component& parent)
    {
        juce::Array<T*> found;
        for (auto* c : parent.getChildren())
            if (auto* t = dynamic_cast<T*> (c))
                found.add (t);
        return found;
    }

    static juce::Button* buttonNamed (juce::Component& parent, const juce::String& name)
    {
        for (auto* button : childrenOf<juce::Button> (parent))
            if (button->getName() == name)
                return button;
        return nullptr;
    }

    // Checks each element's bounds and renders `content` to `name`.png in the build folder.
    static void expectLayout (juce::Component& content,
                              const std::vector<std::pair<juce::Component*, juce::Rectangle<int>>>& layout,
                              const char* name)
    {
        for (auto& [element, bounds] : layout)
            EXPECT_EQ (element->getBounds(), bounds) << name << ": " << element->getName();
        EXPECT_TRUE (viewtest::renderForReview (content, name));
    }

    std::unique_ptr<WindowTestApplication> app;
};
