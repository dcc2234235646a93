// Reads the preset files dropped or chosen on the Send Multiple Presets rows, on a worker thread
// named "Dragged Files Parse Queue", so that many files keep the window responsive. The worker
// makes each file's preset too, so the message thread only puts it in its row.
//
// The worker holds only a small state it shares with this reader: it leaves there what it has
// read, and the window takes it on the message thread. When the window goes (or empties its rows)
// the reader is cancelled: everything queued or read is dropped at once, and the worker stops,
// making no preset, once the file or folder it is opening opens, which on a stalled disk may take
// long, even past the program's end. So the worker is never killed, nobody ever waits for it,
// and a stuck worker holds nothing of the program's but the path it is opening.
#pragma once

#include "midi/SysExMessages.h"
#include "model/QRX5EditorPreset.h"

#include <functional>
#include <memory>
#include <vector>

class SendMultiplePresetsReader
{
public:
    // What the worker has done since the last look.
    struct Progress
    {
        std::vector<std::pair<int, QRX5EditorPreset::Ptr>> filled; // row, the preset read
        int dropsWithUnreadableFiles = 0;
        bool reading = false;
        juce::String currentFile;
    };

    // Makes a new preset on the worker; it must need nothing that may go before the worker ends.
    using PresetMaker = std::function<QRX5EditorPreset::Ptr()>;

    // onProgress is called on the message thread after the worker has done something, until cancel.
    explicit SendMultiplePresetsReader (std::function<void()> onProgress);
    ~SendMultiplePresetsReader(); // cancels

    // Message thread. Paths dropped together, files or folders: the first readable file goes to
    // startRow, each next one to the row after. A file is read as `messages` cut a dump into a
    // preset from `makePreset`, which takes only a valid image, as the engine reads it; the
    // worker never asks the application or the engine.
    void queue (const juce::StringArray& paths, int startRow, const SysExMessages& messages,
                PresetMaker makePreset);
    // Message thread: drops what is queued and read; from its return on, the worker posts
    // nothing to the message thread and onProgress is never called again.
    void cancel();

    // Message thread. Reading goes on until a Progress says otherwise.
    Progress takeProgress();

    struct State;

private:
    std::shared_ptr<State> state;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SendMultiplePresetsReader)
};
