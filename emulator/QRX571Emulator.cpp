#include "emulator/QRX571Emulator.h"

#include "BinaryData.h"

namespace
{
struct ParameterRange
{
    juce::uint8 min, max, initial;
};

// By parameter number 1..11; 8 is not a parameter.
constexpr ParameterRange parameterRanges[] = {
    { 0, 0, 0 }, { 0, 31, 0 }, { 0, 99, 60 }, { 2, 4, 3 }, { 0, 1, 1 },   { 0, 1, 0 },
    { 0, 1, 1 }, { 0, 19, 4 }, { 0, 0, 0 },   { 0, 5, 2 }, { 0, 20, 10 }, { 0, 10, 0 },
};

constexpr int unusedParameter = 8;

std::vector<juce::uint8> defaultImage()
{
    const auto* dump = reinterpret_cast<const juce::uint8*> (BinaryData::DefaultPreset_syx);
    jassert (BinaryData::DefaultPreset_syxSize == DeviceMessages::dumpSize);
    return { dump + 8, dump + 8 + DeviceMessages::imageSize };
}

// How long a message of `size` bytes takes on a DIN cable.
std::chrono::microseconds wireTime (int size)
{
    return std::chrono::microseconds ((juce::int64)size * QRX571Emulator::dinMicrosecondsPerByte);
}

juce::String locationName (int location)
{
    return location == 0 ? juce::String ("RAM") : "Slot " + juce::String (location).paddedLeft ('0', 2);
}
} // namespace

QRX571Emulator::QRX571Emulator (std::shared_ptr<VirtualMidiPortLayer> l)
    : layer (std::move (l))
{
    const auto image = defaultImage();

    for (int location = 0; location < numLocations; ++location)
    {
        auto& preset = presets[(size_t)location];
        preset = image;
        const auto name = locationName (location).paddedRight (' ', 8);

        for (int i = 0; i < 8; ++i)
            preset[(size_t)i] = (juce::uint8)name[i];
    }

    for (int number = 1; number <= numGlobalParameters; ++number)
        parameters[(size_t)number] = parameterRanges[number].initial;
}

QRX571Emulator::~QRX571Emulator() { stop(); }

//==============================================================================
void QRX571Emulator::start()
{
    {
        const std::lock_guard<std::mutex> guard (mutex);

        if (running)
            return;

        running = true;
        quitting = false;
    }

    worker = std::thread ([this] { run(); });
    addPorts();
}

void QRX571Emulator::stop()
{
    removePorts();
    {
        const std::lock_guard<std::mutex> guard (mutex);

        if (! running)
            return;

        quitting = true;
    }
    changed.notify_all();
    worker.join();

    const std::lock_guard<std::mutex> guard (mutex);
    running = false;
    incoming.clear();
}

void QRX571Emulator::unplug() { removePorts(); }

void QRX571Emulator::plugIn() { addPorts(); }

bool QRX571Emulator::isPluggedIn() const
{
    const std::lock_guard<std::mutex> guard (mutex);
    return inPort != 0;
}

// Never called with the emulator's lock held: the layer calls receive() under a lock of its own.
void QRX571Emulator::addPorts()
{
    if (isPluggedIn())
        return;

    const auto out = layer->addInput (portName);
    const auto in = layer->addOutput (portName, [this] (const juce::MidiMessage& m) { receive (m); });

    const std::lock_guard<std::mutex> guard (mutex);
    outPort = out;
    inPort = in;
}

void QRX571Emulator::removePorts()
{
    VirtualMidiPortLayer::PortId in, out;
    {
        const std::lock_guard<std::mutex> guard (mutex);
        in = std::exchange (inPort, 0);
        out = std::exchange (outPort, 0);
        ++unplugs;
        incoming.clear();
    }
    changed.notify_all();

    if (in != 0)
        layer->removePort (in);

    if (out != 0)
        layer->removePort (out);
}

//==============================================================================
std::vector<juce::uint8> QRX571Emulator::getPresetImage (int location) const
{
    const std::lock_guard<std::mutex> guard (mutex);

    if (! juce::isPositiveAndBelow (location, numLocations))
        return {};

    return presets[(size_t)location];
}

bool QRX571Emulator::setPresetImage (int location, const std::vector<juce::uint8>& image)
{
    if (! juce::isPositiveAndBelow (location, numLocations) || (int)image.size() != imageSize)
        return false;

    const std::lock_guard<std::mutex> guard (mutex);
    presets[(size_t)location] = image;
    return true;
}

juce::uint8 QRX571Emulator::getGlobalParameter (int number) const
{
    const std::lock_guard<std::mutex> guard (mutex);
    return juce::isPositiveAndNotGreaterThan (number, numGlobalParameters) ? parameters[(size_t)number] : 0;
}

std::vector<juce::uint8> QRX571Emulator::getGlobalParameters() const
{
    const std::lock_guard<std::mutex> guard (mutex);
    return { parameters.begin() + 1, parameters.end() };
}

bool QRX571Emulator::setGlobalParameter (int number, juce::uint8 value)
{
    if (number < 1 || number > numGlobalParameters || number == unusedParameter)
        return false;

    const auto& range = parameterRanges[number];

    if (value < range.min || value > range.max)
        return false;

    const std::lock_guard<std::mutex> guard (mutex);
    parameters[(size_t)number] = value;
    return true;
}

void QRX571Emulator::setReplyDelay (int milliseconds)
{
    {
        const std::lock_guard<std::mutex> guard (mutex);
        replyDelay = juce::jmax (0, milliseconds);
    }
    changed.notify_all();
}

void QRX571Emulator::setReplyMode (ReplyMode mode)
{
    const std::lock_guard<std::mutex> guard (mutex);
    replyMode = mode;
}

void QRX571Emulator::setSendsExtraAcknowledgement (bool shouldSend)
{
    const std::lock_guard<std::mutex> guard (mutex);
    extraAcknowledgement = shouldSend;
}

void QRX571Emulator::setDinPacing (bool shouldPace)
{
    const std::lock_guard<std::mutex> guard (mutex);
    dinPacing = shouldPace;
}

void QRX571Emulator::setReplyAllowance (int numReplies)
{
    {
        const std::lock_guard<std::mutex> guard (mutex);
        replyAllowance = numReplies;
    }
    changed.notify_all();
}

std::vector<juce::MidiMessage> QRX571Emulator::getReceivedMessages() const
{
    const std::lock_guard<std::mutex> guard (mutex);
    return received;
}

int QRX571Emulator::getNumReceived() const
{
    const std::lock_guard<std::mutex> guard (mutex);
    return (int)received.size();
}

int QRX571Emulator::getNumSent() const
{
    const std::lock_guard<std::mutex> guard (mutex);
    return numSent;
}

void QRX571Emulator::clearReceived()
{
    const std::lock_guard<std::mutex> guard (mutex);
    received.clear();
}

bool QRX571Emulator::isIdle() const
{
    const std::lock_guard<std::mutex> guard (mutex);
    return incoming.empty() && ! busy;
}

//==============================================================================
void QRX571Emulator::receive (const juce::MidiMessage& message)
{
    {
        const std::lock_guard<std::mutex> guard (mutex);
        received.push_back (message);

        // Paced, a message is in only once its last byte is, and messages sent back to back
        // queue up on the wire.
        const auto now = Clock::now();
        inboundWireFree =
            dinPacing ? std::max (now, inboundWireFree) + wireTime (message.getRawDataSize()) : now;
        incoming.emplace_back (message, inboundWireFree);
    }
    changed.notify_all();
}

// Waits out a delay unless stopped or unplugged meanwhile; answers whether the reply is still due.
bool QRX571Emulator::waitFor (double milliseconds, std::unique_lock<std::mutex>& lock, int unplugCount)
{
    return waitUntil (Clock::now() + std::chrono::microseconds ((juce::int64) (milliseconds * 1000.0)), lock,
                      unplugCount);
}

bool QRX571Emulator::waitUntil (Clock::time_point until, std::unique_lock<std::mutex>& lock, int unplugCount)
{
    changed.wait_until (lock, until, [&] { return quitting || unplugs != unplugCount; });
    return ! quitting && unplugs == unplugCount;
}

void QRX571Emulator::run()
{
    std::unique_lock<std::mutex> lock (mutex);

    for (;;)
    {
        changed.wait (lock, [this] { return quitting || ! incoming.empty(); });

        if (quitting)
            return;

        const auto message = incoming.front().first;
        const auto arrival = incoming.front().second;
        incoming.pop_front();
        busy = true;
        const auto unplugCount = unplugs;

        if (! waitUntil (arrival, lock, unplugCount))
        {
            busy = false;
            continue;
        }

        auto replies = handle (message);

        if (replyMode == ReplyMode::never)
            replies.clear();

        if (! replies.empty() && replyDelay > 0)
            if (! waitFor (replyDelay, lock, unplugCount))
                replies.clear();

        for (const auto& answer : replies)
        {
            // A new message, not assigned over the old one: JUCE 7.0.5's MidiMessage move-assignment leaks.
            const auto reply = replyMode == ReplyMode::garbled     ? DeviceMessages::garble (answer, random)
                               : replyMode == ReplyMode::truncated ? DeviceMessages::truncate (answer)
                                                                   : answer;

            // The time the bytes take on the wire, before the last of them has arrived.
            if (dinPacing &&
                ! waitUntil (Clock::now() + wireTime (reply.getRawDataSize()), lock, unplugCount))
                break;

            changed.wait (lock, [&] { return quitting || unplugs != unplugCount || replyAllowance != 0; });

            if (quitting || unplugs != unplugCount || outPort == 0)
                break;

            if (replyAllowance > 0)
                --replyAllowance;

            const auto port = outPort;
            ++numSent;
            lock.unlock();
            layer->sendFromInput (port, reply);
            lock.lock();
        }

        busy = false;
    }
}

// Called with the lock held: applies what was received and answers the replies due.
std::vector<juce::MidiMessage> QRX571Emulator::handle (const juce::MidiMessage& message)
{
    const auto in = DeviceMessages::parse (message);

    switch (in.kind)
    {
        case DeviceMessages::presetDump:
        {
            presets[(size_t)in.location] = in.image;
            std::vector<juce::MidiMessage> replies{ DeviceMessages::makeAcknowledgement (in.location) };

            if (extraAcknowledgement)
                replies.push_back (replies.front());

            return replies;
        }

        case DeviceMessages::presetRequest:
            return { DeviceMessages::makePresetDump (in.location, presets[(size_t)in.location]) };

        case DeviceMessages::parameterRequest:
            return { DeviceMessages::makeParameterData (
                1, std::vector<juce::uint8> (parameters.begin() + 1, parameters.end())) };

        case DeviceMessages::parameterData:
            for (auto& p : in.parameters)
            {
                if (p.number < 1 || p.number > numGlobalParameters || p.number == unusedParameter)
                    continue;

                const auto& range = parameterRanges[p.number];

                if (p.value >= range.min && p.value <= range.max)
                    parameters[(size_t)p.number] = p.value;
            }
            return {};

        default:
            return {};
    }
}
