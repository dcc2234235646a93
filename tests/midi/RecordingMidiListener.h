// A MidiManager listener that keeps everything it is told; messages may be read from any thread.
#pragma once

#include "midi/MidiManager.h"

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

    void inputDevicesDisconnected (const juce::StringArray& names) override
    {
        inputLost.add (names.joinIntoString ("|"));
    }
    void outputDevicesDisconnected (const juce::StringArray& names) override
    {
        outputLost.add (names.joinIntoString ("|"));
    }
    void inputDevicesReconnected (const juce::StringArray& names) override
    {
        inputBack.add (names.joinIntoString ("|"));
    }
    void outputDevicesReconnected (const juce::StringArray& names) override
    {
        outputBack.add (names.joinIntoString ("|"));
    }

    std::vector<std::pair<MidiInputPort*, juce::MidiMessage>> getMessages() const
    {
        const std::lock_guard<std::mutex> guard (mutex);
        return messages;
    }

    size_t numMessages() const { return getMessages().size(); }

    // One entry per call, the names of a call joined with "|"; message thread only.
    juce::StringArray inputLost, outputLost, inputBack, outputBack;
    std::function<void()> onMessage; // set before messages flow

private:
    mutable std::mutex mutex;
    std::vector<std::pair<MidiInputPort*, juce::MidiMessage>> messages;
};
