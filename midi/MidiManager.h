// Owns every MIDI port the program has open. Ports are opened by name: every port listed
// under that name. A 50 ms poll closes ports that vanished and reopens them when they return.
#pragma once

#include "midi/MidiPortLayer.h"

#include <juce_audio_basics/juce_audio_basics.h>
#include <juce_events/juce_events.h>

#include <memory>
#include <vector>

class MidiManager : public MidiInputPort::Callback,
                    public virtual juce::ReferenceCountedObject,
                    public juce::Timer
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<MidiManager>;

    class Listener
    {
    public:
        virtual ~Listener() = default;

        // Called on the MIDI input thread, for every message of every open input.
        virtual void handleIncomingMidiMessage (MidiInputPort* source, const juce::MidiMessage& message) = 0;

        // Called on the message thread with the names of ports that vanished or came back.
        virtual void inputDevicesDisconnected (const juce::StringArray& names) { juce::ignoreUnused (names); }
        virtual void outputDevicesDisconnected (const juce::StringArray& names)
        {
            juce::ignoreUnused (names);
        }
        virtual void inputDevicesReconnected (const juce::StringArray& names) { juce::ignoreUnused (names); }
        virtual void outputDevicesReconnected (const juce::StringArray& names) { juce::ignoreUnused (names); }
    };

    // Uses the system's MIDI ports.
    MidiManager();
    // Uses the given ports instead (the in-process ones in tests).
    explicit MidiManager (std::shared_ptr<MidiPortLayer> portLayer);
    ~MidiManager() override;

    // Opening a name that is already open does nothing; a name no port has opens nothing.
    void openInputDevice (const juce::String& name);
    void openOutputDevice (const juce::String& name);
    void closeInputDevice (const juce::String& name);
    void closeOutputDevice (const juce::String& name);
    void closeAllInputs();
    void closeAllOutputs();

    bool isInputOpen (const juce::String& name) const;
    bool isOutputOpen (const juce::String& name) const;
    bool isInputDeviceAvailable (const juce::String& name);
    bool isOutputDeviceAvailable (const juce::String& name);

    // The ports listed now, in the system's order (what the MIDI Setup window offers).
    juce::StringArray getAvailableInputNames();
    juce::StringArray getAvailableOutputNames();

    // Each open port counts, so two ports of one name count 2.
    int getNumOpenInputs() const;
    int getNumOpenOutputs() const;
    // In opening order, duplicates included.
    juce::StringArray getOpenInputNames() const;
    juce::StringArray getOpenOutputNames() const;

    void sendMessageToAllOutputs (const juce::MidiMessage& message);

    // Ignores null and listeners already added. Safe while messages are being delivered.
    void addListener (Listener* listener);

    // Hands the message to every listener, most recently added first, on the calling thread.
    void handleIncomingMidiMessage (MidiInputPort* source, const juce::MidiMessage& message) override;

    // The poll: reopens lost ports that are listed again, closes open ports that vanished.
    void timerCallback() override;

    class MidiInputDeviceDisconnectUpdater;
    class MidiOutputDeviceDisconnectUpdater;
    class MidiInputDeviceReconnectUpdater;
    class MidiOutputDeviceReconnectUpdater;

private:
    class DeviceEventUpdater;
    using ListenerList = std::vector<Listener*>;

    std::shared_ptr<const ListenerList> getListeners() const;

    std::shared_ptr<MidiPortLayer> layer;

    std::unique_ptr<DeviceEventUpdater> inputDisconnectUpdater, outputDisconnectUpdater,
        inputReconnectUpdater, outputReconnectUpdater;

    juce::StringArray lostInputNames, lostOutputNames;

    struct OpenOutput
    {
        juce::String name;
        std::unique_ptr<MidiOutputPort> port;
    };

    juce::OwnedArray<MidiInputPort> openInputs;
    std::vector<OpenOutput> openOutputs;
    juce::CriticalSection lock;

    // Copied on write: the input thread takes the current list and walks it with no lock held.
    std::shared_ptr<const ListenerList> listeners;
    mutable juce::SpinLock listenersLock;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MidiManager)
};
