#include "midi/SystemMidiPortLayer.h"

namespace
{
class SystemMidiInputPort : public MidiInputPort, private juce::MidiInputCallback
{
public:
    SystemMidiInputPort (const juce::MidiDeviceInfo& info, MidiInputPort::Callback& cb)
        : callback (cb)
        , input (juce::MidiInput::openDevice (info.identifier, this))
    {
    }

    // JUCE deletes its port under the lock its input thread delivers under, so no callback
    // outlives this.
    ~SystemMidiInputPort() override { input.reset(); }

    bool isOpen() const { return input != nullptr; }

    juce::String getName() const override { return input->getName(); }
    void start() override { input->start(); }
    void stop() override { input->stop(); }

private:
    void handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage& message) override
    {
        callback.handleIncomingMidiMessage (this, message);
    }

    MidiInputPort::Callback& callback;
    std::unique_ptr<juce::MidiInput> input;
};

class SystemMidiOutputPort : public MidiOutputPort
{
public:
    explicit SystemMidiOutputPort (std::unique_ptr<juce::MidiOutput> o)
        : output (std::move (o))
    {
    }
    ~SystemMidiOutputPort() override { output->stopBackgroundThread(); }

    juce::String getName() const override { return output->getName(); }
    void sendMessageNow (const juce::MidiMessage& message) override { output->sendMessageNow (message); }

private:
    std::unique_ptr<juce::MidiOutput> output;
};

juce::StringArray namesOf (const juce::Array<juce::MidiDeviceInfo>& devices)
{
    juce::StringArray names;

    for (auto& device : devices)
        names.add (device.name);

    return names;
}
} // namespace

juce::StringArray SystemMidiPortLayer::getInputNames()
{
    auto devices = juce::MidiInput::getAvailableDevices();
    const std::lock_guard<std::mutex> guard (mutex);
    listedInputs = devices;
    return namesOf (devices);
}

juce::StringArray SystemMidiPortLayer::getOutputNames()
{
    auto devices = juce::MidiOutput::getAvailableDevices();
    const std::lock_guard<std::mutex> guard (mutex);
    listedOutputs = devices;
    return namesOf (devices);
}

std::unique_ptr<MidiInputPort> SystemMidiPortLayer::openInput (int index, MidiInputPort::Callback& callback)
{
    juce::MidiDeviceInfo info;
    {
        const std::lock_guard<std::mutex> guard (mutex);

        if (! juce::isPositiveAndBelow (index, listedInputs.size()))
            return nullptr;

        info = listedInputs.getReference (index);
    }

    auto port = std::make_unique<SystemMidiInputPort> (info, callback);
    if (! port->isOpen())
        return nullptr;

    return port;
}

std::unique_ptr<MidiOutputPort> SystemMidiPortLayer::openOutput (int index)
{
    juce::MidiDeviceInfo info;
    {
        const std::lock_guard<std::mutex> guard (mutex);

        if (! juce::isPositiveAndBelow (index, listedOutputs.size()))
            return nullptr;

        info = listedOutputs.getReference (index);
    }

    if (auto output = juce::MidiOutput::openDevice (info.identifier))
        return std::make_unique<SystemMidiOutputPort> (std::move (output));

    return nullptr;
}
