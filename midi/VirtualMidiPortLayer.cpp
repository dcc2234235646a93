#include "midi/VirtualMidiPortLayer.h"

#include <algorithm>
#include <stdexcept>

class VirtualMidiPortLayer::InputPort : public MidiInputPort
{
public:
    InputPort (VirtualMidiPortLayer& l, PortId from, const juce::String& n, MidiInputPort::Callback& cb)
        : layer (l)
        , endpoint (from)
        , name (n)
        , callback (cb)
    {
    }

    ~InputPort() override
    {
        stop();
        const std::lock_guard<std::mutex> guard (layer.mutex);
        auto& open = layer.openInputs;
        open.erase (std::remove (open.begin(), open.end(), this), open.end());
    }

    juce::String getName() const override { return name; }

    void start() override
    {
        const std::lock_guard<std::mutex> guard (layer.mutex);
        started = true;
    }

    void stop() override
    {
        std::unique_lock<std::mutex> lock (layer.mutex);
        started = false;

        // Waits for a call to this port under way, unless it is that call stopping its own port.
        if (std::this_thread::get_id() != layer.deliveryThreadId)
            layer.callDone.wait (lock, [this] { return layer.callingPort != this; });
    }

    VirtualMidiPortLayer& layer;
    const PortId endpoint;
    const juce::String name;
    MidiInputPort::Callback& callback;
    bool started = false; // under the layer's mutex
};

class VirtualMidiPortLayer::OutputPort : public MidiOutputPort
{
public:
    OutputPort (VirtualMidiPortLayer& l, PortId to, const juce::String& n)
        : layer (l)
        , endpoint (to)
        , name (n)
    {
    }

    ~OutputPort() override
    {
        const std::lock_guard<std::mutex> guard (layer.mutex);
        auto& open = layer.openOutputs;
        open.erase (std::remove (open.begin(), open.end(), this), open.end());
    }

    juce::String getName() const override { return name; }

    void sendMessageNow (const juce::MidiMessage& message) override
    {
        std::shared_ptr<ReceiverSlot> slot;
        {
            const std::lock_guard<std::mutex> guard (layer.mutex);

            for (auto& e : layer.endpoints)
                if (e.id == endpoint)
                    slot = e.slot;
        }

        if (slot == nullptr)
            return;

        const std::lock_guard<std::mutex> guard (slot->lock);

        if (slot->receiver)
            slot->receiver (message);
    }

    VirtualMidiPortLayer& layer;
    const PortId endpoint;
    const juce::String name;
};

//==============================================================================
VirtualMidiPortLayer::VirtualMidiPortLayer()
{
    deliveryThread = std::thread ([this] { deliveryLoop(); });

    // The ports compare against this id, so it must be known before the constructor returns.
    std::unique_lock<std::mutex> lock (mutex);
    queueChanged.wait (lock, [this] { return deliveryThreadId != std::thread::id(); });
}

VirtualMidiPortLayer::~VirtualMidiPortLayer()
{
    jassert (openInputs.empty() && openOutputs.empty());
    {
        const std::lock_guard<std::mutex> guard (mutex);
        quitting = true;
    }
    queueChanged.notify_all();
    deliveryThread.join();
}

VirtualMidiPortLayer::PortId VirtualMidiPortLayer::addInput (const juce::String& name,
                                                             OpenBehaviour behaviour)
{
    const std::lock_guard<std::mutex> guard (mutex);
    endpoints.push_back ({ nextId, name, true, behaviour, nullptr });
    return nextId++;
}

VirtualMidiPortLayer::PortId VirtualMidiPortLayer::addOutput (const juce::String& name, Receiver receiver,
                                                              OpenBehaviour behaviour)
{
    auto slot = std::make_shared<ReceiverSlot>();
    slot->receiver = std::move (receiver);

    const std::lock_guard<std::mutex> guard (mutex);
    endpoints.push_back ({ nextId, name, false, behaviour, std::move (slot) });
    return nextId++;
}

void VirtualMidiPortLayer::removePort (PortId id)
{
    std::shared_ptr<ReceiverSlot> slot;
    {
        const std::lock_guard<std::mutex> guard (mutex);

        for (auto& e : endpoints)
            if (e.id == id)
                slot = e.slot;

        endpoints.erase (
            std::remove_if (endpoints.begin(), endpoints.end(), [id] (auto& e) { return e.id == id; }),
            endpoints.end());
        // Rebuilt rather than erased from: JUCE 7.0.5's MidiMessage move-assignment leaks.
        std::deque<Delivery> kept;
        for (auto& d : queue)
            if (d.from != id)
                kept.push_back (d);
        queue.swap (kept);
    }

    // Waits for a send under way, then cuts the receiver off for good.
    if (slot != nullptr)
    {
        const std::lock_guard<std::mutex> guard (slot->lock);
        slot->receiver = nullptr;
    }
}

void VirtualMidiPortLayer::sendFromInput (PortId id, const juce::MidiMessage& message)
{
    {
        const std::lock_guard<std::mutex> guard (mutex);

        const auto listed = std::any_of (endpoints.begin(), endpoints.end(),
                                         [id] (auto& e) { return e.id == id && e.isInput; });
        if (! listed)
            return;

        queue.push_back ({ id, message });
    }
    queueChanged.notify_all();
}

int VirtualMidiPortLayer::getNumOpenPorts (PortId id) const
{
    const std::lock_guard<std::mutex> guard (mutex);
    return (int)(std::count_if (openInputs.begin(), openInputs.end(),
                                [id] (auto* p) { return p->endpoint == id; }) +
                 std::count_if (openOutputs.begin(), openOutputs.end(),
                                [id] (auto* p) { return p->endpoint == id; }));
}

bool VirtualMidiPortLayer::isIdle() const
{
    const std::lock_guard<std::mutex> guard (mutex);
    return queue.empty() && ! delivering;
}

//==============================================================================
juce::StringArray VirtualMidiPortLayer::listNames (bool isInput) const
{
    const std::lock_guard<std::mutex> guard (mutex);
    juce::StringArray names;

    for (auto& e : endpoints)
        if (e.isInput == isInput)
            names.add (e.name);

    return names;
}

juce::StringArray VirtualMidiPortLayer::getInputNames() { return listNames (true); }

juce::StringArray VirtualMidiPortLayer::getOutputNames() { return listNames (false); }

const VirtualMidiPortLayer::Endpoint* VirtualMidiPortLayer::findListed (bool isInput, int index) const
{
    for (auto& e : endpoints)
        if (e.isInput == isInput && index-- == 0)
            return &e;

    return nullptr;
}

std::unique_ptr<MidiInputPort> VirtualMidiPortLayer::openInput (int index, MidiInputPort::Callback& callback)
{
    const std::lock_guard<std::mutex> guard (mutex);
    auto* e = findListed (true, index);

    if (e == nullptr || e->behaviour == OpenBehaviour::failsToOpen)
        return nullptr;

    if (e->behaviour == OpenBehaviour::throwsOnOpen)
        throw std::runtime_error ("MIDI input refused to open");

    auto port = std::make_unique<InputPort> (*this, e->id, e->name, callback);
    openInputs.push_back (port.get());
    return port;
}

std::unique_ptr<MidiOutputPort> VirtualMidiPortLayer::openOutput (int index)
{
    const std::lock_guard<std::mutex> guard (mutex);
    auto* e = findListed (false, index);

    if (e == nullptr || e->behaviour == OpenBehaviour::failsToOpen)
        return nullptr;

    if (e->behaviour == OpenBehaviour::throwsOnOpen)
        throw std::runtime_error ("MIDI output refused to open");

    auto port = std::make_unique<OutputPort> (*this, e->id, e->name);
    openOutputs.push_back (port.get());
    return port;
}

//==============================================================================
void VirtualMidiPortLayer::deliveryLoop()
{
    std::unique_lock<std::mutex> lock (mutex);
    deliveryThreadId = std::this_thread::get_id();
    queueChanged.notify_all();

    for (;;)
    {
        queueChanged.wait (lock, [this] { return quitting || ! queue.empty(); });

        if (quitting)
            return;

        const auto delivery = std::move (queue.front());
        queue.pop_front();
        delivering = true;

        std::vector<InputPort*> targets;

        for (auto* port : openInputs)
            if (port->endpoint == delivery.from)
                targets.push_back (port);

        // Each port is checked again just before its call, since an earlier call may have stopped
        // or deleted it; a port being called can't finish stopping until the call returns.
        for (auto* port : targets)
        {
            if (std::find (openInputs.begin(), openInputs.end(), port) == openInputs.end() ||
                port->endpoint != delivery.from || ! port->started)
                continue;

            callingPort = port;
            lock.unlock();
            port->callback.handleIncomingMidiMessage (port, delivery.message);
            lock.lock();
            callingPort = nullptr;
            callDone.notify_all();
        }

        delivering = false;
    }
}
