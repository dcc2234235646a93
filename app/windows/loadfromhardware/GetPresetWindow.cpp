#include "app/windows/loadfromhardware/GetPresetWindow.h"

#include "app/PresetLocations.h"
#include "app/QRX5EditorApplication.h"
#include "ui/EditorStrings.h"
#include "ui/ImageButtonFactories.h"

GetPresetWindow::GetPresetWindow (QRX5EditorEngine::Ptr editorEngine)
    : WindowWithKeyboardFocus (EditorStrings::loadPresetTitle, juce::Colours::black,
                               juce::DocumentWindow::closeButton | juce::DocumentWindow::minimiseButton,
                               false)
    , engine (std::move (editorEngine))
{
    setUsingNativeTitleBar (true);

    model = new PresetListBoxModel (this);

    auto list = std::make_unique<juce::ListBox> (juce::String(), model.get());
    list->setRowHeight (24);

    ReferenceCountedImageButton::Ptr refreshButton;
    makeRefreshButton (refreshButton);
    refreshButton->addListener (this);

    content = new GetPresetComponent (std::move (list), refreshButton);
    content->setSize (633, 275);
    setContentNonOwned (content.get(), true);
}

GetPresetWindow::~GetPresetWindow()
{
    if (engine != nullptr)
        engine->removeListener (this);

    if (content != nullptr)
    {
        content->getRefreshButton().removeListener (this);
        clearContentComponent();
    }
}

void GetPresetWindow::release()
{
    const Ptr keepAlive (this); // dropping the model may drop the last other hold on this window
    stopTimer();

    if (content != nullptr)
    {
        content->getRefreshButton().removeListener (this);
        clearContentComponent();
        content = nullptr;
    }

    model = nullptr;
    removeFromDesktop();
}

//==============================================================================
void GetPresetWindow::refresh()
{
    const juce::ScopedLock sl (lock);

    if (busy || engine == nullptr)
        return;

    if (content != nullptr)
        content->setControlsEnabled (false);

    busy = true;

    // A window closed mid-fetch may have left a request open; its reply or time-out would be
    // taken for one of ours, so wait until it has ended and its result has been delivered.
    if (engine->hasOpenRequests())
    {
        quietTicks = 0;
        startTimer (50);
        return;
    }

    beginFetch();
}

void GetPresetWindow::timerCallback()
{
    const juce::ScopedLock sl (lock);

    if (engine->hasOpenRequests())
        quietTicks = 0;
    else if (++quietTicks >= 2)
    {
        stopTimer();
        beginFetch();
    }
}

void GetPresetWindow::beginFetch()
{
    engine->addListener (this);

    fetchingPresets.clear();
    nextLocation = PresetLocations::ram;
    requestNext (engine->createPreset());
}

void GetPresetWindow::requestNext (QRX5EditorPreset::Ptr preset)
{
    if (preset == nullptr)
    {
        stopFetch();
        return;
    }

    fetchingPresets.add (preset);
    engine->requestPreset (nextLocation, preset);
}

void GetPresetWindow::stopFetch()
{
    // What a failed fetch got is never listed, so it is never handed out either.
    fetchingPresets.clear();
    busy = false;

    if (content != nullptr)
        content->setControlsEnabled (true);
}

void GetPresetWindow::requestPresetResult (int result)
{
    const juce::ScopedLock sl (lock);

    // Only this window asks for presets, but a result that no fetch of ours is waiting for
    // must not start walking the locations.
    if (! busy)
        return;

    if (result != 2)
    {
        // The application tells the user; the names of the last complete fetch stay.
        stopFetch();
        return;
    }

    if (++nextLocation < PresetLocations::numLocations)
    {
        auto* app = QRX5EditorApplication::getApp();
        requestNext (app != nullptr ? app->createDefaultPreset() : nullptr);
        return;
    }

    nextLocation = PresetLocations::ram;

    // The names and the presets Get opens change together, and only now.
    heldPresets.swapWith (fetchingPresets);

    juce::StringArray names;
    for (auto* preset : heldPresets)
        names.add (preset->getName());

    engine->removeListener (this);

    if (model != nullptr)
        model->setNames (names);

    if (content != nullptr)
        content->updateList();

    stopFetch();
}

void GetPresetWindow::sendPresetResult (QRX5EditorPreset::Ptr, int result)
{
    if (result == 2)
        refresh();
}

void GetPresetWindow::openPresetFileResult (int) {}

void GetPresetWindow::savePresetFileResult (int) {}

//==============================================================================
void GetPresetWindow::openPresetAtRow (int row)
{
    if (! PresetLocations::isValid (row))
        return;

    QRX5EditorPreset::Ptr held;
    {
        const juce::ScopedLock sl (lock);
        held = heldPresets[row];
    }

    auto* app = QRX5EditorApplication::getApp();
    if (held == nullptr || app == nullptr || engine == nullptr)
        return;

    // Each window edits a copy of its own, so the list keeps what the device sent.
    auto copy = engine->createPreset();
    if (copy != nullptr && copy->setFromData (held->getData()))
        app->createWindowForPreset (copy);
}

void GetPresetWindow::buttonClicked (juce::Button* button)
{
    if (button->getName() == EditorStrings::refreshButton)
        refresh();
}

void GetPresetWindow::closeButtonPressed()
{
    if (auto* app = QRX5EditorApplication::getApp())
        app->closeLoadFromHardwareWindow();
}
