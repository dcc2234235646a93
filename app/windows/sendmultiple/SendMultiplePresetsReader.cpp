#include "app/windows/sendmultiple/SendMultiplePresetsReader.h"

#include "app/PresetLocations.h"
#include "app/desktop/PresetFileChooser.h"
#include "midi/PresetFile.h"

#include <algorithm>
#include <cctype>
#include <deque>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

namespace
{
const std::string presetFileExtension = presetFilePattern.substring (1).toLowerCase().toStdString();
const juce::String workerName{ "Dragged Files Parse Queue" };

// What a worker stuck at the program's end still holds is left for JUCE's leak check at exit,
// so the paths it opens are plain strings, each a full path made on the message thread. They are
// UTF-8 throughout, as JUCE's are, and become std::filesystem paths only through u8path: a narrow
// name is read in the ANSI code page on Windows, where most names don't fit.
struct Batch
{
    std::vector<std::string> paths;
    int startRow;
    SysExMessages messages;
    SendMultiplePresetsReader::PresetMaker makePreset;
};
} // namespace

// Shared by the reader and its worker, which besides holds only the batch in hand.
struct SendMultiplePresetsReader::State
{
    juce::CriticalSection lock; // guards the fields below
    std::deque<Batch> batches;
    Progress progress;
    bool workerRunning = false, cancelled = false, notifyPending = false;
    // A new preset not yet filled: it checks images until one is valid, then holds it. Kept here
    // between files, so that a stuck worker holds none.
    QRX5EditorPreset::Ptr spare;

    std::function<void()> onProgress; // message thread only
};

namespace
{
using State = SendMultiplePresetsReader::State;

bool isCancelled (State& state)
{
    const juce::ScopedLock sl (state.lock);
    return state.cancelled;
}

// One message at a time is enough: the message thread takes everything there is when it comes.
// Posted under the lock, so that once cancel has had the lock nothing more is posted: the
// program cancels every reader before JUCE deletes its message manager.
void notify (const std::shared_ptr<State>& state)
{
    const juce::ScopedLock sl (state->lock);
    if (state->cancelled || state->notifyPending)
        return;

    state->notifyPending = true;
    juce::MessageManager::callAsync (
        [state]
        {
            if (auto callback = state->onProgress) // a copy: the callback may cancel the reader
                callback();
        });
}

// The reading state ends only here, once the last queued batch is read.
std::optional<Batch> takeNextBatch (const std::shared_ptr<State>& state)
{
    {
        const juce::ScopedLock sl (state->lock);
        if (! state->cancelled && ! state->batches.empty())
        {
            auto batch = std::move (state->batches.front());
            state->batches.pop_front();
            return batch;
        }

        state->batches.clear();
        state->workerRunning = false;
        state->progress.currentFile.clear();
    }
    notify (state);
    return {};
}

namespace fs = std::filesystem;

// As juce::File has it: from the name's last dot on, so ".qrx571" alone has it too.
bool hasPresetExtension (const fs::path& path)
{
    const auto name = path.filename().u8string();
    const auto dot = name.rfind ('.');
    const auto extension = dot == std::string::npos ? std::string() : name.substr (dot);
    return extension.size() == presetFileExtension.size() &&
           std::equal (extension.begin(), extension.end(), presetFileExtension.begin(),
                       [] (char c, char lower) { return std::tolower ((unsigned char)c) == lower; });
}

// Walked with the standard library, so that a worker stuck opening a folder on a stalled disk holds
// no JUCE object. In the order the system lists each folder, a folder's contents right after it,
// as juce::RangedDirectoryIterator went; a folder met again through a link is passed over. Links
// are followed; a file that can't be looked at counts as empty. False once cancelled.
bool walk (State& state, const fs::path& folder, const Batch& batch, std::set<fs::path>& walked,
           std::vector<std::string>& files)
{
    std::error_code error;
    for (fs::directory_iterator entry (folder, error), end; ! error && entry != end; entry.increment (error))
    {
        if (isCancelled (state))
            return false;

        const auto& path = entry->path();
        if (path.filename().u8string().find_first_not_of ('.') == std::string::npos)
            continue; // names of dots only were never walked

        std::error_code unseen;
        if (entry->is_directory (unseen))
        {
            const auto target = fs::canonical (path, unseen);
            if (! unseen && walked.insert (target).second && ! walk (state, path, batch, walked, files))
                return false;
        }
        else if (hasPresetExtension (path) ||
                 entry->file_size (unseen) == (std::uintmax_t)batch.messages.getFormat().dumpSize)
        {
            files.push_back (path.u8string());
        }
    }
    return ! isCancelled (state);
}

// Files of the preset extension are candidates wherever they are; in a folder, so is any file of
// a dump's size (the walk has measured it already, so the rest are passed over unopened). A
// dropped file of another kind can't be a preset file.
std::vector<std::string> collectFiles (State& state, const Batch& batch, bool& metUnreadable)
{
    std::vector<std::string> files;

    for (const auto& name : batch.paths)
    {
        if (isCancelled (state))
            return {};

        const auto path = fs::u8path (name);
        std::error_code error;
        if (hasPresetExtension (path))
        {
            files.push_back (name);
        }
        else if (! fs::is_directory (path, error))
        {
            metUnreadable = true;
        }
        else
        {
            std::set<fs::path> walked{ fs::canonical (path, error) };
            if (! walk (state, path, batch, walked, files))
                return {};
        }
    }
    return files;
}

// Reads as the engine does: the whole file, cut as a dump, taken by a preset only when it is a
// valid image (a refused one leaves the preset as it was). Null for a file that can't be read so.
QRX5EditorPreset::Ptr readPreset (State& state, const std::string& file, const Batch& batch)
{
    std::vector<juce::uint8> bytes;
    if (! PresetFile::readAll (file, bytes))
        return nullptr;

    QRX5EditorPreset::Ptr preset;
    {
        // The read may have stalled past a cancel, even past the program's end: nothing is made.
        const juce::ScopedLock sl (state.lock);
        if (state.cancelled)
            return nullptr;
        std::swap (preset, state.spare);
    }
    if (preset == nullptr)
        preset = batch.makePreset();

    const auto image = batch.messages.presetImageOf (bytes.data(), (int)bytes.size());
    if (preset != nullptr && preset->setFromData (image))
        return preset;

    const juce::ScopedLock sl (state.lock);
    if (! state.cancelled)
        state.spare = std::move (preset);
    return nullptr;
}

// A file that can't be read takes no row, so the next readable one takes the row it would have
// had. A preset read after a cancel is dropped here, not left in the state.
void readBatch (const std::shared_ptr<State>& state, const Batch& batch)
{
    bool metUnreadable = false;
    int stored = 0;

    for (const auto& file : collectFiles (*state, batch, metUnreadable))
    {
        const int row = batch.startRow + stored;
        if (isCancelled (*state) || ! PresetLocations::isValid (row))
            break;

        {
            const juce::ScopedLock sl (state->lock);
            state->progress.currentFile = juce::String::fromUTF8 (file.c_str());
        }

        auto preset = readPreset (*state, file, batch);
        if (preset == nullptr)
        {
            metUnreadable = true;
            continue;
        }

        {
            const juce::ScopedLock sl (state->lock);
            if (state->cancelled)
                break;
            state->progress.filled.emplace_back (row, std::move (preset));
        }
        ++stored;
        notify (state);
    }

    const juce::ScopedLock sl (state->lock);
    if (metUnreadable && ! state->cancelled)
        ++state->progress.dropsWithUnreadableFiles;
}

void run (const std::shared_ptr<State>& state)
{
#if JUCE_LINUX
    // Linux refuses a thread name of more than 15 characters outright; it gets those.
    juce::Thread::setCurrentThreadName (workerName.substring (0, 15));
#else
    juce::Thread::setCurrentThreadName (workerName);
#endif

    // Nothing may leave a detached thread, which would end the program: a batch that fails part
    // way keeps the rows it filled and counts as a drop with a file that could not be read.
    while (auto batch = takeNextBatch (state))
    {
        try
        {
            readBatch (state, *batch);
        }
        catch (...)
        {
            const juce::ScopedLock sl (state->lock);
            if (! state->cancelled)
                ++state->progress.dropsWithUnreadableFiles;
        }
    }
}
} // namespace

//==============================================================================
SendMultiplePresetsReader::SendMultiplePresetsReader (std::function<void()> callback)
    : state (std::make_shared<State>())
{
    state->onProgress = std::move (callback);
}

SendMultiplePresetsReader::~SendMultiplePresetsReader() { cancel(); }

void SendMultiplePresetsReader::queue (const juce::StringArray& paths, int startRow,
                                       const SysExMessages& messages, PresetMaker makePreset)
{
    const auto here = juce::File::getCurrentWorkingDirectory();
    std::vector<std::string> whole;
    for (const auto& path : paths)
        if (path.isNotEmpty())
            whole.push_back (here.getChildFile (path).getFullPathName().toStdString());

    {
        const juce::ScopedLock sl (state->lock);
        if (state->cancelled)
            return;

        state->batches.push_back ({ std::move (whole), startRow, messages, std::move (makePreset) });
        if (state->workerRunning)
            return;

        state->workerRunning = true;
    }

    // A detached thread whose only hold on anything is the state. Not juce::Thread::launch: a
    // thread that ends at once deletes itself while the launching thread still holds its lock.
    try
    {
        std::thread ([s = state] { run (s); }).detach();
    }
    catch (const std::system_error&)
    {
        {
            const juce::ScopedLock sl (state->lock);
            state->batches.clear();
            state->workerRunning = false;
        }
        notify (state);
    }
}

// What is dropped is let go of outside the lock, on this thread.
void SendMultiplePresetsReader::cancel()
{
    state->onProgress = nullptr;

    std::deque<Batch> queued;
    Progress read;
    QRX5EditorPreset::Ptr spare;
    {
        const juce::ScopedLock sl (state->lock);
        state->cancelled = true;
        std::swap (queued, state->batches);
        std::swap (read, state->progress);
        std::swap (spare, state->spare);
    }
}

SendMultiplePresetsReader::Progress SendMultiplePresetsReader::takeProgress()
{
    const juce::ScopedLock sl (state->lock);
    auto taken = std::move (state->progress);
    state->progress = {};
    state->progress.currentFile = taken.currentFile;
    taken.reading = state->workerRunning;
    state->notifyPending = false;
    return taken;
}
