// The MIDI ports the program can see and open: the system's, or an in-process set for tests.
#pragma once

#include "midi/MidiInputPort.h"
#include "midi/MidiOutputPort.h"

#include <memory>

class MidiPortLayer
{
public:
    virtual ~MidiPortLayer() = default;

    // The names of the ports listed now, in the system's order; several ports may share a name.
    virtual juce::StringArray getInputNames() = 0;
    virtual juce::StringArray getOutputNames() = 0;

    // Opens the port at an index of the latest list. Answers null when it can't be opened
    // (it may also throw, as a driver can); the port is stopped until start() is called.
    virtual std::unique_ptr<MidiInputPort> openInput (int index, MidiInputPort::Callback& callback) = 0;
    virtual std::unique_ptr<MidiOutputPort> openOutput (int index) = 0;
};
