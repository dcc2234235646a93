// A MidiManager listener that keeps everything it is told; messages may be read from any thread.
#pragma once

#include "midi/MidiManager.h"

#include <functional>
#include <mutex>

class RecordingMidiListener : public MidiManager::Listener
{
public:
    void handleIncomingMidiMessage (MidiInputPort* source, const juce::MidiMessage& message) override
    {
        {
            const std::lock_guard<std::mutex> guard (mutex);
            messages.push_back ({ source, message });
        }
        if (onMessage)
            onMessage();
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

    std::function<void()> onMessage; // set before messages flow

private:
    mutable std::mutex mutex;
    std::vector<std::pair<MidiInputPort*, juce::MidiMessage>> messages;
};
