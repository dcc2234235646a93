#include "app/windows/sendmultiple/SendMultiplePresetsWindow.h"

#include "app/PresetLocations.h"
#include "app/QRX5EditorApplication.h"
#include "app/windows/sendmultiple/SendMultiplePresetsListModel.h"
#include "ui/EditorStrings.h"
#include "ui/ImageButtonFactories.h"

namespace
{
const juce::String chooserTitle{ "Select Preset file to load" };
const juce::String readingStatus{ "Reading Dragged Files" };
constexpr int rowHeight = 24, numRowNames = PresetLocations::numLocations + 1;

// Takes one entry of the preset out of the list; false when it has none.
bool takeOne (juce::ReferenceCountedArray<QRX5EditorPreset>& list, QRX5EditorPreset* preset)
{
    const auto index = list.indexOf (preset);
    if (index < 0)
        return false;
    list.remove (index);
    return true;
}
} // namespace

SendMultiplePresetsWindow::SendMultiplePresetsWindow()
    : WindowWithKeyboardFocus (EditorStrings::sendMultiplePresets, juce::Colours::black,
                               juce::DocumentWindow::closeButton | juce::DocumentWindow::minimiseButton,
                               false) // on the desktop once sized: see WindowSizeHints
    , reader (makeReader())
{
    rowNames.strings.insertMultiple (0, {}, numRowNames);

    model = std::make_unique<PresetListBoxModel> (this);
    auto list = std::make_unique<juce::ListBox> (juce::String(), model.get());
    ReferenceCountedImageButton::Ptr sendButton;
    makeSendButton (sendButton);
    sendButton->addListener (this);
    list->setRowHeight (rowHeight);

    content = std::make_unique<SendMultiplePresetsComponent> (std::move (list), sendButton);

    setSize (content->getWidth(), content->getHeight());
    centreWithSize (getWidth(), getHeight());
    setContentNonOwned (content.get(), false);
    setUsingNativeTitleBar (true);
}

// The worker may be stuck in a read; it is left to finish on its own and finds the reader
// cancelled, so nothing here waits for it.
SendMultiplePresetsWindow::~SendMultiplePresetsWindow()
{
    if (auto* app = QRX5EditorApplication::getApp())
        if (auto engine = app->getEngine())
            engine->removeListener (this);

    reader->cancel();
    chooser.reset();
    clearContentComponent();
    releaseContent();
    content.reset();
}

std::unique_ptr<SendMultiplePresetsReader> SendMultiplePresetsWindow::makeReader()
{
    return std::make_unique<SendMultiplePresetsReader> ([this] { refresh(); });
}

void SendMultiplePresetsWindow::releaseContent()
{
    if (content != nullptr)
        content->deleteList();
    model.reset();
}

//==============================================================================
// Only the last click's sends count: those of earlier clicks are all among the unanswered.
bool SendMultiplePresetsWindow::isSending() const { return unanswered.size() > earlierRounds.size(); }

juce::String SendMultiplePresetsWindow::getRowName (int row) const { return rowNames[row]; }

QRX5EditorPreset::Ptr SendMultiplePresetsWindow::getSlotPreset (int row) const
{
    const auto found = slots.find (row);
    return found == slots.end() ? nullptr : found->second;
}

void SendMultiplePresetsWindow::storePresetInSlot (QRX5EditorPreset::Ptr preset, int row)
{
    if (fillSlot (preset, row))
        notifyMessageThread();
}

bool SendMultiplePresetsWindow::fillSlot (QRX5EditorPreset::Ptr preset, int row)
{
    if (preset == nullptr || ! PresetLocations::isValid (row))
        return false;

    slots[row] = preset;
    rowNames.set (row, preset->getName());
    return true;
}

void SendMultiplePresetsWindow::dropPresetOnSlot (QRX5EditorPreset::Ptr source, int row)
{
    auto* app = QRX5EditorApplication::getApp();
    if (source == nullptr || app == nullptr || ! canChangeRows())
        return;

    if (auto copy = app->createDefaultPreset())
    {
        copy->setFromData (source->getData());
        storePresetInSlot (copy, row);
    }
}

// The row then shows the default preset's name, as it would any preset it is to send.
void SendMultiplePresetsWindow::clearSlot (int row)
{
    if (auto* app = QRX5EditorApplication::getApp(); app != nullptr && canChangeRows())
        storePresetInSlot (app->createDefaultPreset(), row);
}

// Sends still out no longer count for the emptied rows.
void SendMultiplePresetsWindow::resetSlots()
{
    reader = makeReader(); // the old one is cancelled as it goes
    reading = false;
    earlierRounds = unanswered;
    unacknowledged.clear();

    slots.clear();
    rowNames.clearQuick();
    rowNames.strings.insertMultiple (0, {}, numRowNames);
    notifyMessageThread();
}

void SendMultiplePresetsWindow::browseForSlotFile (int row)
{
    if (! canChangeRows())
        return;

    chooser = std::make_unique<PresetFileChooser> (chooserTitle, PresetFileChooser::Purpose::open);
    chooser->launch (
        [this, row] (const juce::File& chosen)
        {
            if (chosen != juce::File())
                queueFiles (chosen.getFullPathName(), row);
        });
}

//==============================================================================
void SendMultiplePresetsWindow::queueFiles (const juce::StringArray& paths, int startRow)
{
    auto* app = QRX5EditorApplication::getApp();
    if (app == nullptr || isSending() || ! PresetLocations::isValid (startRow))
        return;

    const auto engine = app->getEngine();
    if (engine == nullptr)
        return;

    reader->queue (paths, startRow, engine->getSysExMessages(), app->getPresetMaker());
    reading = true;

    content->setControlsEnabled (false);
    content->setStatusText (readingStatus);
    content->updateList();
}

void SendMultiplePresetsWindow::handleMessage (const juce::Message&) { refresh(); }

void SendMultiplePresetsWindow::refresh()
{
    auto progress = reader->takeProgress();
    auto* app = QRX5EditorApplication::getApp();

    for (const auto& [row, preset] : progress.filled)
        fillSlot (preset, row);

    for (int i = 0; i < progress.dropsWithUnreadableFiles && app != nullptr; ++i)
        app->showMessage (EditorStrings::errorOpeningFile);

    reading = progress.reading;
    if (reading)
    {
        if (progress.currentFile.isNotEmpty())
            content->setStatusText (progress.currentFile);
        return;
    }

    content->updateList();
    content->setControlsEnabled (true);
    content->setStatusText ({});
}

//==============================================================================
void SendMultiplePresetsWindow::buttonClicked (juce::Button* button)
{
    if (button->getName() == EditorStrings::sendButton)
        sendAll();
}

void SendMultiplePresetsWindow::sendAll()
{
    auto* app = QRX5EditorApplication::getApp();
    auto engine = app != nullptr ? app->getEngine() : nullptr;
    if (engine == nullptr)
        return;

    if (slots.empty() || isReading())
        return;

    // Answers come oldest first, so those still due for an earlier round come before any of this
    // one's; they are set apart and never count for it.
    earlierRounds = unanswered;
    unacknowledged.clear();
    engine->addListener (this);

    for (const auto& [location, preset] : slots)
    {
        unacknowledged.add (preset);
        unanswered.add (preset);
        engine->sendPreset (location, preset);
    }
    content->updateList(); // the rows are off until every send is answered
}

void SendMultiplePresetsWindow::sendPresetResult (QRX5EditorPreset::Ptr preset, int result)
{
    // Another window's send, or an acknowledgement that no send was waiting for.
    if (preset == nullptr || ! takeOne (unanswered, preset.get()))
        return;

    if (takeOne (earlierRounds, preset.get()))
        return;

    if (result == 2)
        takeOne (unacknowledged, preset.get());

    if (! unacknowledged.isEmpty())
    {
        if (! isSending())
            content->updateList(); // a send failed: the rows are the user's again
        return;
    }

    if (auto* app = QRX5EditorApplication::getApp())
        app->showMessage (EditorStrings::presetSentSuccessfully);

    closeButtonPressed(); // may delete this window
}

void SendMultiplePresetsWindow::requestPresetResult (int) {}
void SendMultiplePresetsWindow::openPresetFileResult (int) {}
void SendMultiplePresetsWindow::savePresetFileResult (int) {}

void SendMultiplePresetsWindow::closeButtonPressed()
{
    if (auto* app = QRX5EditorApplication::getApp())
        app->closeSendMultiplePresetsWindow();
}
