// What the engine's main paths cost: building and reading one preset dump, and fetching all 21
// locations from the emulated device, as fast as it answers and paced like a DIN cable.
#include "emulator/QRX571Emulator.h"
#include "midi/MidiManager.h"
#include "midi/QRX571EditorEngine.h"
#include "model/QRX571EditorPreset.h"

#include <benchmark/benchmark.h>
#include <juce_events/juce_events.h>

namespace
{
QRX5EditorEngine::Ptr makeEngine()
{
    return new QRX571EditorEngine (new MidiManager (std::make_shared<VirtualMidiPortLayer>()));
}

void buildDumpFromImage (benchmark::State& state)
{
    auto engine = makeEngine();
    const auto messages = engine->getSysExMessages();
    const auto image = QRX571EditorPreset().getData();

    for (auto _ : state)
        benchmark::DoNotOptimize (messages.presetDump (0, image));
}

void buildDumpFromPreset (benchmark::State& state)
{
    auto engine = makeEngine();
    const auto messages = engine->getSysExMessages();
    QRX571EditorPreset preset;

    for (auto _ : state)
        benchmark::DoNotOptimize (messages.presetDump (0, preset.getData()));
}

void parseDumpIntoPreset (benchmark::State& state)
{
    auto engine = makeEngine();
    const auto messages = engine->getSysExMessages();
    QRX571EditorPreset preset;
    const auto dump = messages.presetDump (0, preset.getData());

    for (auto _ : state)
    {
        const auto kind = messages.recognise (dump.getRawData(), dump.getRawDataSize());
        const bool loaded =
            kind == SysExMessages::Kind::presetDump &&
            preset.setFromData (messages.presetImageOf (dump.getRawData(), dump.getRawDataSize()));
        benchmark::DoNotOptimize (loaded);
    }
}

class CountingListener : public QRX5EditorEngine::Listener
{
public:
    void requestPresetResult (int result) override
    {
        ++count;
        loaded += result == 2 ? 1 : 0;
    }

    int count = 0, loaded = 0;
};

// One location after another, each requested once the previous one has arrived.
void fetchAllLocations (benchmark::State& state)
{
    auto layer = std::make_shared<VirtualMidiPortLayer>();
    QRX571Emulator device (layer);
    device.start();
    device.setDinPacing (state.range (0) != 0);
    MidiManager::Ptr manager = new MidiManager (layer);
    manager->openInputDevice (QRX571Emulator::portName);
    manager->openOutputDevice (QRX571Emulator::portName);
    QRX5EditorEngine::Ptr engine = new QRX571EditorEngine (manager);
    CountingListener listener;
    engine->addListener (&listener);

    juce::ReferenceCountedArray<QRX5EditorPreset> presets;
    for (int i = 0; i < QRX571Emulator::numLocations; ++i)
        presets.add (engine->createPreset());

    auto* loop = juce::MessageManager::getInstance();
    for (auto _ : state)
    {
        listener.count = listener.loaded = 0;
        for (int location = 0; location < QRX571Emulator::numLocations; ++location)
        {
            engine->requestPreset (location, presets[location]);
            while (listener.count <= location)
                loop->runDispatchLoopUntil (1);
        }
    }

    if (listener.loaded != QRX571Emulator::numLocations)
        state.SkipWithError ("not every location loaded");

    state.counters["locations"] = QRX571Emulator::numLocations;
    engine = nullptr;
    manager = nullptr;
    device.stop();
}
} // namespace

BENCHMARK (buildDumpFromImage)->Unit (benchmark::kMicrosecond);
BENCHMARK (buildDumpFromPreset)->Unit (benchmark::kMicrosecond);
BENCHMARK (parseDumpIntoPreset)->Unit (benchmark::kMicrosecond);
BENCHMARK (fetchAllLocations)->ArgName ("din")->Arg (0)->Unit (benchmark::kMillisecond)->UseRealTime();
BENCHMARK (fetchAllLocations)
    ->ArgName ("din")
    ->Arg (1)
    ->Iterations (2)
    ->Unit (benchmark::kMillisecond)
    ->UseRealTime();
