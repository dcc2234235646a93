// Reads the preset files dropped or chosen on the Send Multiple Presets rows, on a worker thread
// named "Dragged Files Parse Queue", so that many files keep the window responsive.
//
// The worker holds this object and nothing of the window's: it leaves what it has read here, and
// the window takes it on the message thread. When the window goes (or empties its rows) it cancels
// the reader and lets go of it; the worker lets go too once the file in hand is done, which on a
// stalled disk may take long. So the worker is never killed and nobody ever waits for it.
#pragma once

#include "midi/SysExMessages.h"
#include "model/QRX5EditorPreset.h"

#include <deque>
#include <functional>
#include <optional>
#include <vector>

class SendMultiplePresetsReader : public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<SendMultiplePresetsReader>;

    // What the worker has done since the last look.
    struct Progress
    {
        std::vector<std::pair<int, juce::Array<juce::uint8>>> filled; // row, valid preset image
        int dropsWithUnreadableFiles = 0;
        bool reading = false;
        juce::String currentFile;
    };

    // onProgress is called on the message thread after the worker has done something, until cancel.
    explicit SendMultiplePresetsReader (std::function<void()> onProgress);

    // Message thread. Paths dropped together, files or folders: the first readable file goes to
    // startRow, each next one to the row after. A file is read as `messages` cut a dump and
    // checked by `checker` (a preset of its own the worker uses for nothing else), so the worker
    // never asks the application or the engine.
    void queue (const juce::StringArray& paths, int startRow, const SysExMessages& messages,
                QRX5EditorPreset::Ptr checker);
    // Message thread: drops what is queued; the worker stops after the file in hand and
    // onProgress is never called again.
    void cancel();

    // Message thread. Reading goes on until a Progress says otherwise.
    Progress takeProgress();

private:
    struct Batch
    {
        juce::StringArray paths;
        int startRow;
        SysExMessages messages;
        QRX5EditorPreset::Ptr checker;
    };

    void run();
    std::optional<Batch> takeNextBatch();
    void readBatch (const Batch& batch);
    juce::Array<juce::File> collectFiles (const Batch& batch, bool& metUnreadable) const;
    bool isCancelled() const;
    void notify();

    std::function<void()> onProgress; // message thread only

    mutable juce::CriticalSection lock; // guards the fields below
    std::deque<Batch> batches;
    Progress progress;
    bool workerRunning = false, cancelled = false, notifyPending = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SendMultiplePresetsReader)
};
