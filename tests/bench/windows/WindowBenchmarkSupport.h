// What the window benchmarks share: the emulated device on in-process ports, as fast as it answers
// or paced like a DIN cable, with the program's MIDI manager open on it and its engine beside it; an
// application for getApp that counts its messages; and the message loop run as the program runs it.
#pragma once

#include "emulator/QRX571Emulator.h"
#include "views/TestApplication.h"

#include <functional>

namespace juce
{
// The step of JUCE's own dispatch loop: waits for the next message and handles it.
bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
} // namespace juce

namespace windowbench
{
class Application : public TestApplication
{
public:
    explicit Application (QRX5EditorEngine::Ptr engine) { useEngine (std::move (engine)); }
    void showMessage (const juce::String&) override { ++messages; }
    int messages = 0;
};

struct Rig
{
    explicit Rig (bool dinPacing)
    {
        device.start();
        device.setDinPacing (dinPacing);
        manager->openInputDevice (QRX571Emulator::portName);
        manager->openOutputDevice (QRX571Emulator::portName);
    }
    ~Rig()
    {
        app = nullptr, manager = nullptr;
        device.stop();
    }

    std::shared_ptr<VirtualMidiPortLayer> layer = std::make_shared<VirtualMidiPortLayer>();
    QRX571Emulator device{ layer };
    MidiManager::Ptr manager = new MidiManager (layer);
    std::unique_ptr<Application> app = TestApplication::make<Application> (new QRX571EditorEngine (manager));
};

// Runs the message loop until `done` holds. Unlike runDispatchLoopUntil, which naps a
// millisecond whenever the queue is empty, this wakes the moment a message is posted, as the
// program's own loop does.
inline void runUntil (const std::function<bool()>& done)
{
    while (! done())
        juce::dispatchNextMessageOnSystemQueue (false);
}

// The time a DIN cable needs to carry `bytesPerLocation` for every location, in milliseconds.
inline double wireMilliseconds (int bytesPerLocation)
{
    return QRX571Emulator::numLocations * bytesPerLocation * QRX571Emulator::dinMicrosecondsPerByte / 1000.0;
}
} // namespace windowbench
