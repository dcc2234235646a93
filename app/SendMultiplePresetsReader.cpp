#include "app/SendMultiplePresetsReader.h"

#include "app/PresetFileChooser.h"
#include "app/PresetLocations.h"
#include "midi/PresetFile.h"

#include <system_error>
#include <thread>

namespace
{
const juce::String presetFileExtension = presetFilePattern.substring (1);
const juce::String workerName{ "Dragged Files Parse Queue" };
} // namespace

SendMultiplePresetsReader::SendMultiplePresetsReader (std::function<void()> callback)
    : onProgress (std::move (callback))
{
}

void SendMultiplePresetsReader::queue (const juce::StringArray& paths, int startRow,
                                       const SysExMessages& messages, QRX5EditorPreset::Ptr checker)
{
    {
        const juce::ScopedLock sl (lock);
        if (cancelled)
            return;

        batches.push_back ({ paths, startRow, messages, std::move (checker) });
        if (workerRunning)
            return;

        workerRunning = true;
    }

    // A detached thread whose only hold on anything is this reader. Not juce::Thread::launch:
    // a thread that ends at once deletes itself while the launching thread still holds its lock.
    try
    {
        std::thread ([self = Ptr (this)] { self->run(); }).detach();
    }
    catch (const std::system_error&)
    {
        {
            const juce::ScopedLock sl (lock);
            batches.clear();
            workerRunning = false;
        }
        notify();
    }
}

void SendMultiplePresetsReader::cancel()
{
    onProgress = nullptr;
    const juce::ScopedLock sl (lock);
    cancelled = true;
    batches.clear();
}

SendMultiplePresetsReader::Progress SendMultiplePresetsReader::takeProgress()
{
    const juce::ScopedLock sl (lock);
    auto taken = std::move (progress);
    progress = {};
    progress.currentFile = taken.currentFile;
    taken.reading = workerRunning;
    notifyPending = false;
    return taken;
}

bool SendMultiplePresetsReader::isCancelled() const
{
    const juce::ScopedLock sl (lock);
    return cancelled;
}

// One message at a time is enough: the message thread takes everything there is when it comes.
void SendMultiplePresetsReader::notify()
{
    {
        const juce::ScopedLock sl (lock);
        if (cancelled || notifyPending)
            return;
        notifyPending = true;
    }

    juce::MessageManager::callAsync (
        [self = Ptr (this)]
        {
            if (auto callback = self->onProgress) // a copy: the callback may cancel the reader
                callback();
        });
}

//==============================================================================
void SendMultiplePresetsReader::run()
{
    juce::Thread::setCurrentThreadName (workerName);

    while (auto batch = takeNextBatch())
        readBatch (*batch);
}

// The reading state ends only here, once the last queued batch is read.
std::optional<SendMultiplePresetsReader::Batch> SendMultiplePresetsReader::takeNextBatch()
{
    {
        const juce::ScopedLock sl (lock);
        if (! cancelled && ! batches.empty())
        {
            auto batch = std::move (batches.front());
            batches.pop_front();
            return batch;
        }

        batches.clear();
        workerRunning = false;
        progress.currentFile.clear();
    }
    notify();
    return {};
}

// Files of the preset extension are candidates wherever they are; in a folder, so is any file of
// a dump's size (the walk has measured it already, so the rest are passed over unopened). A
// dropped file of another kind can't be a preset file.
juce::Array<juce::File> SendMultiplePresetsReader::collectFiles (const Batch& batch,
                                                                 bool& metUnreadable) const
{
    juce::Array<juce::File> files;

    for (const auto& path : batch.paths)
    {
        if (isCancelled())
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
        {
            metUnreadable = true;
            continue;
        }

        for (const auto& entry : juce::RangedDirectoryIterator (
                 file, true, "*", juce::File::findFilesAndDirectories, juce::File::FollowSymlinks::noCycles))
        {
            if (isCancelled())
                return {};

            if (! entry.isDirectory() && (entry.getFile().hasFileExtension (presetFileExtension) ||
                                          entry.getFileSize() == batch.messages.getFormat().dumpSize))
                files.add (entry.getFile());
        }
    }
    return files;
}

// Reads as the engine does: the whole file, cut as a dump, checked as a preset image. A file that
// fails takes no row, so the next readable one takes the row it would have had.
void SendMultiplePresetsReader::readBatch (const Batch& batch)
{
    bool metUnreadable = false;
    int stored = 0;

    for (const auto& file : collectFiles (batch, metUnreadable))
    {
        const int row = batch.startRow + stored;
        if (isCancelled() || ! PresetLocations::isValid (row))
            break;

        {
            const juce::ScopedLock sl (lock);
            progress.currentFile = file.getFullPathName();
        }

        juce::Array<juce::uint8> bytes;
        const auto image = PresetFile::readAll (file, bytes)
                               ? batch.messages.presetImageOf (bytes.getRawDataPointer(), bytes.size())
                               : juce::Array<juce::uint8>();

        if (! batch.checker->validate (image))
        {
            metUnreadable = true;
            continue;
        }

        {
            const juce::ScopedLock sl (lock);
            progress.filled.emplace_back (row, image);
        }
        ++stored;
        notify();
    }

    if (metUnreadable && ! isCancelled())
    {
        const juce::ScopedLock sl (lock);
        ++progress.dropsWithUnreadableFiles;
    }
}
