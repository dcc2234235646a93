// In-process MIDI ports for tests and the device emulator: named ports that come and go at any
// moment. What a port sends in is delivered on the layer's own thread, as an OS MIDI input
// thread would; what is sent out reaches the port's receiver at once, on the sender's thread.
#pragma once

#include "midi/MidiPortLayer.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

class VirtualMidiPortLayer : public MidiPortLayer
{
public:
    using PortId = int;
    using Receiver = std::function<void (const juce::MidiMessage&)>;

    // How a port answers an attempt to open it.
    enum class OpenBehaviour
    {
        opens,
        failsToOpen, // the open answers null
        throwsOnOpen // the open throws std::runtime_error
    };

    VirtualMidiPortLayer();
    // The port objects it opened must be deleted first.
    ~VirtualMidiPortLayer() override;

    // A port the program sees as an input. Listed after the ports already there.
    PortId addInput (const juce::String& name, OpenBehaviour behaviour = OpenBehaviour::opens);

    // A port the program sees as an output; the receiver gets what is sent to it. It is called
    // under a lock of this port, so it must not add or remove ports.
    PortId addOutput (const juce::String& name, Receiver receiver,
                      OpenBehaviour behaviour = OpenBehaviour::opens);

    // Unplugs a port: it is no longer listed, its open inputs receive nothing more and what is sent to
    // its open outputs goes nowhere. Once this returns, its receiver is never called again.
    void removePort (PortId id);

    // Queues a message from an input port for delivery to every started open input of it.
    void sendFromInput (PortId id, const juce::MidiMessage& message);

    // How many open port objects the program holds on a port now.
    int getNumOpenPorts (PortId id) const;

    // Whether every message queued so far has been delivered.
    bool isIdle() const;

    juce::StringArray getInputNames() override;
    juce::StringArray getOutputNames() override;
    std::unique_ptr<MidiInputPort> openInput (int index, MidiInputPort::Callback& callback) override;
    std::unique_ptr<MidiOutputPort> openOutput (int index) override;

private:
    class InputPort;
    class OutputPort;

    // Shared with senders, so removing the port can cut off a send that is under way.
    struct ReceiverSlot
    {
        std::mutex lock;
        Receiver receiver;
    };

    struct Endpoint
    {
        PortId id = 0;
        juce::String name;
        bool isInput = true;
        OpenBehaviour behaviour = OpenBehaviour::opens;
        std::shared_ptr<ReceiverSlot> slot;
    };

    struct Delivery
    {
        PortId from;
        juce::MidiMessage message;
    };

    const Endpoint* findListed (bool isInput, int index) const;
    juce::StringArray listNames (bool isInput) const;
    void deliveryLoop();

    mutable std::mutex mutex; // endpoints, open ports and the queue
    std::condition_variable queueChanged;
    std::vector<Endpoint> endpoints;
    std::vector<InputPort*> openInputs;
    std::vector<OutputPort*> openOutputs;
    std::deque<Delivery> queue;
    PortId nextId = 1;
    bool delivering = false, quitting = false;

    InputPort* callingPort = nullptr; // the port whose callback runs now
    std::condition_variable callDone;
    std::thread::id deliveryThreadId;
    std::thread deliveryThread;
};
