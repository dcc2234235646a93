// What the engine's own work on one preset dump costs: building it and reading it back. (Fetching
// all 21 locations from the device is timed through the Load From Hardware window.)
#include "midi/QRX571EditorEngine.h"
#include "model/QRX571EditorPreset.h"

#include <benchmark/benchmark.h>

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
} // namespace

BENCHMARK (buildDump)->Unit (benchmark::kMicrosecond);
BENCHMARK (parseDump)->Unit (benchmark::kMicrosecond);
