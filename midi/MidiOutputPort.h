// One open MIDI output, whichever port layer opened it.
#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

class MidiOutputPort
{
public:
    virtual ~MidiOutputPort() = default;

    virtual juce::String getName() const = 0;

    // Sends at once, on the calling thread.
    virtual void sendMessageNow (const juce::MidiMessage& message) = 0;
};
