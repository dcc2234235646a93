// The engine as the fuzz targets drive it: on in-process ports whose output goes nowhere, with
// its reply path reachable directly so that no message loop is needed.
#pragma once

#include "midi/MidiManager.h"
#include "midi/QRX571EditorEngine.h"
#include "midi/VirtualMidiPortLayer.h"

class FuzzEngine : public QRX571EditorEngine
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<FuzzEngine>;
    using QRX571EditorEngine::handleSysExReply;
    using QRX571EditorEngine::QRX571EditorEngine;

    // Runs the queued listener calls now (the message loop never turns in a fuzz run).
    void deliver()
    {
        handleAsyncUpdate();
        if (auto* settingsQueue = dynamic_cast<QueueASyncUpdater*> (getGlobalSettings().get()))
            settingsQueue->handleAsyncUpdate();
    }
};

struct FuzzRig
{
    FuzzRig()
    {
        juce::MessageManager::getInstance();
        layer->addInput ("Device");
        layer->addOutput ("Device", [] (const juce::MidiMessage&) {});
        manager->openInputDevice ("Device");
        manager->openOutputDevice ("Device");
    }

    std::shared_ptr<VirtualMidiPortLayer> layer = std::make_shared<VirtualMidiPortLayer>();
    MidiManager::Ptr manager = new MidiManager (layer);
    FuzzEngine::Ptr engine = new FuzzEngine (manager);
};

// Traps (a crash libFuzzer reports) when an invariant fails.
inline void require (bool condition)
{
    if (! condition)
        __builtin_trap();
}
