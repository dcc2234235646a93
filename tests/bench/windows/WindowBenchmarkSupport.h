// What the window benchmarks share: the emulated device on in-process ports with the program's
// MIDI manager and engine beside it, an application for getApp, and the message loop run the
// way the program runs it.
#pragma once

#include "views/TestApplication.h"

#include "emulator/QRX571Emulator.h"

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
        app = nullptr;
        manager = nullptr;
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
