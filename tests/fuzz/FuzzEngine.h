// The engine as the fuzz targets drive it: on in-process ports whose output goes nowhere, with its
// reply path reachable directly and its listener calls run at once, as no message loop turns.
#pragma once

#include "midi/MidiManager.h"
#include "midi/QRX571EditorEngine.h"
#include "midi/VirtualMidiPortLayer.h"
#include "model/QRX571EditorPreset.h"

class FuzzEngine : public QRX571EditorEngine, public QRX5EditorEngine::Listener
{
public:
    // One engine and one preset for the whole run: making them per input would cost more than the input.
    static FuzzEngine& get()
    {
        static juce::ReferenceCountedObjectPtr<FuzzEngine> engine = []
        {
            juce::MessageManager::getInstance();
            auto layer = std::make_shared<VirtualMidiPortLayer>();
            layer->addInput ("Device");
            layer->addOutput ("Device", [] (const juce::MidiMessage&) {});
            MidiManager::Ptr manager = new MidiManager (layer);
            manager->openInputDevice ("Device");
            manager->openOutputDevice ("Device");
            return new FuzzEngine (manager);
        }();
        return *engine;
    }

    void feed (const juce::uint8* data, int size)
    {
        handleSysExReply (data, size);
        handleAsyncUpdate();
        dynamic_cast<QueueASyncUpdater&> (*getGlobalSettings()).handleAsyncUpdate();
    }

    void sendPresetResult (QRX5EditorPreset::Ptr, int r) override { require (r == 1 || r == 2); }
    void requestPresetResult (int r) override { lastResult = r; }
    void openPresetFileResult (int r) override { lastResult = r; }

    static void require (bool condition) // a failed invariant is a crash libFuzzer reports
    {
        if (! condition)
            __builtin_trap();
    }

    int lastResult = -1;
    QRX571EditorPreset::Ptr preset = new QRX571EditorPreset();
    juce::Array<juce::uint8> image = preset->getData(); // the preset's image after the last input

private:
    explicit FuzzEngine (MidiManager::Ptr m)
        : QRX571EditorEngine (m)
    {
        addListener (this);
    }
};
