// What the engine's main paths cost: building and reading one preset dump, and fetching all 21
// locations from the emulated device, as fast as it answers and paced like a DIN cable.
#include "bench/DeviceRig.h"
#include "midi/QRX571EditorEngine.h"
#include "model/QRX571EditorPreset.h"

#include <benchmark/benchmark.h>
#include <juce_events/juce_events.h>

namespace
{
void buildDump (benchmark::State& state)
{
    QRX5EditorEngine::Ptr engine = new QRX571EditorEngine (nullptr);
    QRX571EditorPreset preset;
    for (auto _ : state)
        benchmark::DoNotOptimize (engine->getSysExMessages().presetDump (0, preset.getData()));
}

void parseDump (benchmark::State& state)
{
    QRX5EditorEngine::Ptr engine = new QRX571EditorEngine (nullptr);
    QRX571EditorPreset preset;
    const auto dump = engine->getSysExMessages().presetDump (0, preset.getData());
    for (auto _ : state)
    {
        const auto messages = engine->getSysExMessages();
        const bool loaded =
            messages.recognise (dump.getRawData(), dump.getRawDataSize()) ==
                SysExMessages::Kind::presetDump &&
            preset.setFromData (messages.presetImageOf (dump.getRawData(), dump.getRawDataSize()));
        benchmark::DoNotOptimize (loaded);
    }
}

struct Counter : QRX5EditorEngine::Listener
{
    void requestPresetResult (int result) override { loaded += result == 2 ? 1 : 0, ++count; }
    int count = 0, loaded = 0;
};

// One location after another, each requested once the previous one has arrived.
void fetchAllLocations (benchmark::State& state)
{
    DeviceRig rig (state.range (0) != 0);
    QRX5EditorEngine::Ptr engine = new QRX571EditorEngine (rig.manager);
    Counter results;
    engine->addListener (&results);
    auto preset = engine->createPreset();

    for (auto _ : state)
        for (int location = 0; location < QRX571Emulator::numLocations; ++location)
        {
            const int before = results.count;
            engine->requestPreset (location, preset);
            while (results.count == before)
                juce::MessageManager::getInstance()->runDispatchLoopUntil (1);
        }

    if (results.loaded != results.count)
        state.SkipWithError ("not every location loaded");
    engine = nullptr;
}
} // namespace

BENCHMARK (buildDump)->Unit (benchmark::kMicrosecond);
BENCHMARK (parseDump)->Unit (benchmark::kMicrosecond);
BENCHMARK (fetchAllLocations)
    ->ArgName ("din")
    ->Arg (0)
    ->Arg (1)
    ->Iterations (3)
    ->Unit (benchmark::kMillisecond)
    ->UseRealTime();
