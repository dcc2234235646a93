// The operating system's MIDI ports, through JUCE (ALSA on Linux, CoreMIDI on macOS).
#pragma once

#include "midi/MidiPortLayer.h"

#include <juce_audio_devices/juce_audio_devices.h>

#include <mutex>

class SystemMidiPortLayer : public MidiPortLayer
{
public:
    juce::StringArray getInputNames() override;
    juce::StringArray getOutputNames() override;

    // Opens by the identifier listed at that index by the latest getInputNames / getOutputNames,
    // so the index always means the port whose name was read.
    std::unique_ptr<MidiInputPort> openInput (int index, MidiInputPort::Callback& callback) override;
    std::unique_ptr<MidiOutputPort> openOutput (int index) override;

private:
    std::mutex mutex;
    juce::Array<juce::MidiDeviceInfo> listedInputs, listedOutputs;
};
