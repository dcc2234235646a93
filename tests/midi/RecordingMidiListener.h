// A MidiManager listener that keeps everything it is told; messages may be read from any thread.
#pragma once

#include "midi/MidiManager.h"

#include <atomic>
#include <mutex>

struct RecordingMidiListener : MidiManager::Listener
{
    void handleIncomingMidiMessage (MidiInputPort* source, const juce::MidiMessage& message) override
    {
        heardOnMessageThread = heardOnMessageThread || juce::MessageManager::existsAndIsCurrentThread();
        const std::lock_guard<std::mutex> guard (mutex);
        messages.push_back ({ source, message });
    }

    // One entry per call, the names of a call joined with "|"; message thread only.
    using Names = juce::StringArray;
    void inputDevicesDisconnected (const Names& n) override { inputLost.add (n.joinIntoString ("|")); }
    void outputDevicesDisconnected (const Names& n) override { outputLost.add (n.joinIntoString ("|")); }
    void inputDevicesReconnected (const Names& n) override { inputBack.add (n.joinIntoString ("|")); }
    void outputDevicesReconnected (const Names& n) override { outputBack.add (n.joinIntoString ("|")); }
    juce::StringArray inputLost, outputLost, inputBack, outputBack;

    std::vector<std::pair<MidiInputPort*, juce::MidiMessage>> getMessages() const
    {
        const std::lock_guard<std::mutex> guard (mutex);
        return messages;
    }
    size_t numMessages() const { return getMessages().size(); }

    std::atomic<bool> heardOnMessageThread{ false };

private:
    mutable std::mutex mutex;
    std::vector<std::pair<MidiInputPort*, juce::MidiMessage>> messages;
};
