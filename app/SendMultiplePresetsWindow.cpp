#include "app/SendMultiplePresetsWindow.h"

#include "app/PresetFileChooser.h"
#include "app/PresetLocations.h"
#include "app/QRX5EditorApplication.h"
#include "app/SendMultiplePresetsListModel.h"
#include "ui/EditorStrings.h"
#include "ui/ImageButtonFactories.h"

namespace
{
const juce::String presetFileExtension = juce::String ("*.qrx571").substring (1);
const juce::String chooserTitle{ "Select Preset file to load" };
const juce::String readingStatus{ "Reading Dragged Files" };
constexpr int rowHeight = 24, numRowNames = PresetLocations::numLocations + 1, stopTimeoutMs = 5000;

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
    : juce::DocumentWindow (EditorStrings::sendMultiplePresets, juce::Colours::black,
                            juce::DocumentWindow::closeButton | juce::DocumentWindow::minimiseButton,
                            false) // on the desktop once sized: see WindowSizeHints
    , juce::Thread ("Dragged Files Parse Queue")
{
    // The worker posts to this window; making the weak reference that every message carries
    // here, before the worker exists, keeps its first post from racing ours.
    const juce::WeakReference<juce::MessageListener> primed (this);

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

SendMultiplePresetsWindow::~SendMultiplePresetsWindow()
{
    if (auto* app = QRX5EditorApplication::getApp())
        if (auto engine = app->getEngine())
            engine->removeListener (this);

    stopThread (stopTimeoutMs);
    chooser.reset();
    clearContentComponent();
    releaseContent();
    content.reset();
}

void SendMultiplePresetsWindow::releaseContent()
{
    if (content != nullptr)
        content->deleteList();
    model.reset();
}

//==============================================================================
bool SendMultiplePresetsWindow::isReading() const
{
    const juce::ScopedLock sl (lock);
    return reading;
}

juce::String SendMultiplePresetsWindow::getRowName (int row) const
{
    const juce::ScopedLock sl (lock);
    return rowNames[row];
}

QRX5EditorPreset::Ptr SendMultiplePresetsWindow::getSlotPreset (int row) const
{
    const juce::ScopedLock sl (lock);
    const auto found = slots.find (row);
    return found == slots.end() ? nullptr : found->second;
}

void SendMultiplePresetsWindow::storePresetInSlot (QRX5EditorPreset::Ptr preset, int row)
{
    if (preset == nullptr || ! PresetLocations::isValid (row))
        return;

    const auto name = preset->getName();
    {
        const juce::ScopedLock sl (lock);
        slots[row] = preset;
        rowNames.set (row, name);
    }
    notifyMessageThread();
}

void SendMultiplePresetsWindow::dropPresetOnSlot (QRX5EditorPreset::Ptr source, int row)
{
    auto* app = QRX5EditorApplication::getApp();
    if (source == nullptr || app == nullptr)
        return;

    if (auto copy = app->createDefaultPreset())
    {
        copy->setFromData (source->getData());
        storePresetInSlot (copy, row);
    }
}

void SendMultiplePresetsWindow::clearSlot (int row)
{
    auto* app = QRX5EditorApplication::getApp();
    if (app == nullptr || ! PresetLocations::isValid (row))
        return;

    if (auto preset = app->createDefaultPreset())
    {
        const juce::ScopedLock sl (lock);
        slots[row] = preset;
        rowNames.set (row, {});
    }
    notifyMessageThread();
}

void SendMultiplePresetsWindow::resetSlots()
{
    {
        const juce::ScopedLock sl (lock);
        slots.clear();
        rowNames.clearQuick();
        rowNames.strings.insertMultiple (0, {}, numRowNames);
    }
    notifyMessageThread();
}

void SendMultiplePresetsWindow::browseForSlotFile (int row)
{
    chooser = makePresetFileChooser (chooserTitle);
    chooser->launchAsync (juce::FileBrowserComponent::openMode | juce::FileBrowserComponent::canSelectFiles,
                          [this, row] (const juce::FileChooser& fc)
                          {
                              if (fc.getResult() != juce::File())
                                  queueFiles (fc.getResult().getFullPathName(), row);
                          });
}

//==============================================================================
void SendMultiplePresetsWindow::queueFiles (const juce::StringArray& paths, int startRow)
{
    auto* app = QRX5EditorApplication::getApp();
    if (app == nullptr || ! PresetLocations::isValid (startRow))
        return;

    Batch batch{ paths, startRow, app->getEngine(), {} };
    if (batch.engine == nullptr)
        return;
    if (auto defaultPreset = app->createDefaultPreset())
        batch.defaultImage = defaultPreset->getData();

    {
        const juce::ScopedLock sl (lock);
        batches.push_back (std::move (batch));
        reading = true;
    }

    content->setControlsEnabled (false);
    content->setStatusText (readingStatus);
    content->updateList();

    startThread();
    notify();
}

void SendMultiplePresetsWindow::run()
{
    while (! threadShouldExit())
    {
        Batch batch;
        if (takeNextBatch (batch))
            readBatch (batch);
        else
            wait (-1);
    }
}

// The reading state ends only here, once the last queued batch is stored, so nothing can be
// dropped while the worker is still filling rows.
bool SendMultiplePresetsWindow::takeNextBatch (Batch& batch)
{
    {
        const juce::ScopedLock sl (lock);
        if (! batches.empty())
        {
            batch = std::move (batches.front());
            batches.pop_front();
            return true;
        }

        if (! reading)
            return false;

        reading = false;
        currentFile.clear();
    }
    notifyMessageThread();
    return false;
}

juce::Array<juce::File> SendMultiplePresetsWindow::collectFiles (const Batch& batch)
{
    juce::Array<juce::File> files;

    for (const auto& path : batch.paths)
    {
        if (threadShouldExit())
            return {};
        if (path.isEmpty())
            continue;

        const auto file = juce::File::getCurrentWorkingDirectory().getChildFile (path);

        if (file.hasFileExtension (presetFileExtension))
        {
            files.add (file);
            continue;
        }
        if (! file.isDirectory())
            continue;

        for (const auto& entry : juce::RangedDirectoryIterator (
                 file, true, "*", juce::File::findFilesAndDirectories, juce::File::FollowSymlinks::noCycles))
        {
            if (threadShouldExit())
                return {};

            // The walk has already measured each entry: only a file of a dump's size can be a preset
            // file, so the rest are passed over without opening them.
            if (! entry.isDirectory() && entry.getFileSize() == batch.engine->getDumpSize())
                files.add (entry.getFile());
        }
    }
    return files;
}

void SendMultiplePresetsWindow::readBatch (const Batch& batch)
{
    int stored = 0;

    for (const auto& file : collectFiles (batch))
    {
        if (threadShouldExit())
            return;

        {
            const juce::ScopedLock sl (lock);
            currentFile = file.getFullPathName();
        }

        const int row = batch.startRow + stored;
        if (! PresetLocations::isValid (row))
            return;

        if (! batch.engine->loadPresetFile (file))
            continue;

        notifyMessageThread();

        // A file that passes the test but does not load still fills its row, with the default
        // preset; the application reports the failed read.
        auto preset = batch.engine->createPreset();
        preset->setFromData (batch.defaultImage);
        batch.engine->openPresetFile (file, preset);
        storePresetInSlot (preset, row);
        ++stored;
    }
}

void SendMultiplePresetsWindow::handleMessage (const juce::Message&)
{
    bool nowReading;
    juce::String file;
    {
        const juce::ScopedLock sl (lock);
        nowReading = reading;
        file = currentFile;
    }

    if (nowReading)
    {
        if (file.isNotEmpty())
            content->setStatusText (file);
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

    std::map<int, QRX5EditorPreset::Ptr> toSend;
    {
        const juce::ScopedLock sl (lock);
        toSend = slots;
    }
    if (toSend.empty())
        return;

    // Answers come oldest first, so those still due for an earlier round come before any of this
    // one's; they are set apart and never count for it.
    earlierRounds = unanswered;
    unacknowledged.clear();
    engine->addListener (this);

    for (const auto& [location, preset] : toSend)
    {
        unacknowledged.add (preset);
        unanswered.add (preset);
        engine->sendPreset (location, preset);
    }
}

void SendMultiplePresetsWindow::sendPresetResult (QRX5EditorPreset::Ptr preset, int result)
{
    // Another window's send, or an acknowledgement that no send was waiting for.
    if (preset == nullptr || ! takeOne (unanswered, preset.get()))
        return;

    if (takeOne (earlierRounds, preset.get()) || result != 2 || ! takeOne (unacknowledged, preset.get()))
        return;

    if (! unacknowledged.isEmpty())
        return;

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
