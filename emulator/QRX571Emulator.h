// A stand-in for the device on the in-process MIDI ports: an input and an output port named
// "QRX571 Remote", 21 preset locations and the global parameters, kept as the raw bytes the
// device exchanges. It answers on a thread of its own and can be told to misbehave.
#pragma once

#include "emulator/DeviceMessages.h"
#include "midi/VirtualMidiPortLayer.h"

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

class QRX571Emulator
{
public:
    static constexpr const char* portName = "QRX571 Remote";
    static constexpr int numLocations = DeviceMessages::numLocations;
    static constexpr int imageSize = DeviceMessages::imageSize;
    static constexpr int numGlobalParameters = DeviceMessages::numGlobalParameters;
    // 31250 baud, ten bits a byte.
    static constexpr int dinMicrosecondsPerByte = 320;

    // How replies go out.
    enum class ReplyMode
    {
        normal,
        never,    // nothing is answered (received messages still take effect)
        garbled,  // frame and header kept, the rest noise
        truncated // the first half, closed by F7
    };

    // Every location starts from the built-in default preset, named after its location
    // ("RAM     ", "Slot 01 " ... "Slot 20 "); the parameters start at plausible values.
    explicit QRX571Emulator (std::shared_ptr<VirtualMidiPortLayer> layer);
    ~QRX571Emulator();

    // Adds its two ports and starts answering / removes its ports and stops.
    void start();
    void stop();

    // Vanishing and coming back: the ports are removed and added again; state is kept and
    // answers still due are dropped.
    void unplug();
    void plugIn();
    bool isPluggedIn() const;

    // The 1062-byte image at a location (0 = RAM, 1..20 = slots); empty for a bad location.
    std::vector<juce::uint8> getPresetImage (int location) const;
    bool setPresetImage (int location, const std::vector<juce::uint8>& image);

    // Parameters 1..11 by number; 8 is unused and always 0.
    juce::uint8 getGlobalParameter (int number) const;
    std::vector<juce::uint8> getGlobalParameters() const;
    // False, with nothing changed, for an unknown number or a value outside its range.
    bool setGlobalParameter (int number, juce::uint8 value);

    // Misbehaviour and pacing; each may be changed at any moment.
    void setReplyDelay (int milliseconds);
    void setReplyMode (ReplyMode mode);
    void setSendsExtraAcknowledgement (bool shouldSend);
    // Paced, every message takes its bytes' wire time each way, and those sent back to back
    // wait their turn on the wire.
    void setDinPacing (bool shouldPace);
    // Only so many more replies go out; the rest wait, in order, until it is raised again.
    // Negative, as at the start: no limit.
    void setReplyAllowance (int numReplies);

    // Every message received, in order, and how many replies went out.
    std::vector<juce::MidiMessage> getReceivedMessages() const;
    int getNumReceived() const;
    int getNumSent() const;
    void clearReceived();

    // Nothing received is still waiting to be handled or answered.
    bool isIdle() const;

private:
    void receive (const juce::MidiMessage& message);
    void run();
    std::vector<juce::MidiMessage> handle (const juce::MidiMessage& message);
    void addPorts();
    void removePorts();
    using Clock = std::chrono::steady_clock;
    bool waitFor (double milliseconds, std::unique_lock<std::mutex>& lock, int unplugCount);
    bool waitUntil (Clock::time_point until, std::unique_lock<std::mutex>& lock, int unplugCount);

    const std::shared_ptr<VirtualMidiPortLayer> layer;

    mutable std::mutex mutex;
    std::condition_variable changed;
    std::array<std::vector<juce::uint8>, numLocations> presets;
    std::array<juce::uint8, numGlobalParameters + 1> parameters{};        // by number, [0] unused
    std::deque<std::pair<juce::MidiMessage, Clock::time_point>> incoming; // with when its last byte is in
    Clock::time_point inboundWireFree{}; // paced: when the wire towards the device is free again
    std::vector<juce::MidiMessage> received;
    int numSent = 0;
    bool busy = false, running = false, quitting = false;
    int unplugs = 0; // answers prepared before an unplug are dropped
    VirtualMidiPortLayer::PortId inPort = 0, outPort = 0;

    int replyDelay = 0;
    ReplyMode replyMode = ReplyMode::normal;
    bool extraAcknowledgement = false, dinPacing = false;
    int replyAllowance = -1;
    juce::Random random{ 571 };

    std::thread worker;
};
