// One open MIDI input, whichever port layer opened it.
#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

class MidiInputPort
{
public:
    // Receives what the port delivers, on the port's own (MIDI input) thread.
    class Callback
    {
    public:
        virtual ~Callback() = default;
        virtual void handleIncomingMidiMessage (MidiInputPort* source, const juce::MidiMessage& message) = 0;
    };

    // Stops the port first: no callback runs once the destructor has returned.
    virtual ~MidiInputPort() = default;

    virtual juce::String getName() const = 0;

    // Messages reach the callback only between start and stop.
    virtual void start() = 0;

    // When it returns, no callback for this port is running or will run, unless it is called
    // from inside that port's own callback.
    virtual void stop() = 0;
};
