// The Load From Hardware window ("Load Preset"): reads the presets of all 21 locations from the
// device, one after another, lists their names and opens any of them in a new main window.
//
// A fetch runs Idle -> Fetching on refresh, back to Idle when location 20 has arrived (the names
// shown, the engine no longer listened to), or to Stopped on a failure: the names of the last
// complete fetch stay, and Refresh or any successful send anywhere starts again from "RAM".
// Get always opens a copy of the preset of the fetch whose names are shown, never one still being
// filled; the presets held are never edited.
#pragma once

#include "app/desktop/WindowWithKeyboardFocus.h"
#include "app/windows/loadfromhardware/GetPresetComponent.h"
#include "app/windows/loadfromhardware/PresetListBoxModel.h"
#include "midi/QRX5EditorEngine.h"

class GetPresetWindow : public WindowWithKeyboardFocus<juce::DocumentWindow>,
                        public juce::ReferenceCountedObject,
                        public QRX5EditorEngine::Listener,
                        public juce::Button::Listener,
                        private juce::Timer
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<GetPresetWindow>;

    // Not on the desktop and not listening to the engine until the first refresh.
    explicit GetPresetWindow (QRX5EditorEngine::Ptr engine);
    ~GetPresetWindow() override;

    // Starts a fetch from location 0 unless one is running.
    void refresh();

    // Opens a new copy of the preset of a location from the last complete fetch; before the
    // first complete fetch it opens nothing.
    void openPresetAtRow (int row);

    // Drops the content and the model, which holds this window, and leaves the desktop. The
    // application calls it before it lets go of the window.
    void release();

    bool isFetching() const { return busy; }

    void buttonClicked (juce::Button* button) override;
    void sendPresetResult (QRX5EditorPreset::Ptr preset, int result) override;
    void requestPresetResult (int result) override;
    void openPresetFileResult (int result) override;
    void savePresetFileResult (int result) override;

    void closeButtonPressed() override;

private:
    void beginFetch();
    void timerCallback() override;
    void stopFetch();
    void requestNext (QRX5EditorPreset::Ptr preset);

    QRX5EditorEngine::Ptr engine;
    juce::ReferenceCountedArray<QRX5EditorPreset> heldPresets;     // last complete fetch, index = location
    juce::ReferenceCountedArray<QRX5EditorPreset> fetchingPresets; // the fetch under way, index = location
    GetPresetComponent::Ptr content;
    juce::CriticalSection lock;
    int nextLocation = 0;
    int quietTicks = 0; // ticks seen with no request of an earlier fetch still open
    bool busy = false;
    PresetListBoxModel::Ptr model;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (GetPresetWindow)
};
