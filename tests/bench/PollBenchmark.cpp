// What the MIDI manager's 50 ms poll costs: one poll with 0, 2 and 32 ports of each kind listed
// and open, and what that makes of the manager's idle CPU load.
#include "midi/MidiManager.h"
#include "midi/VirtualMidiPortLayer.h"

#include <benchmark/benchmark.h>
#include <juce_events/juce_events.h>

#include <chrono>

namespace
{
void poll (benchmark::State& state)
{
    auto layer = std::make_shared<VirtualMidiPortLayer>();
    MidiManager::Ptr manager = new MidiManager (layer);
    for (int i = 0; i < state.range (0); ++i)
    {
        const auto name = "Port " + juce::String (i);
        layer->addInput (name);
        layer->addOutput (name, [] (const juce::MidiMessage&) {});
        manager->openInputDevice (name);
        manager->openOutputDevice (name);
    }
    manager->stopTimer(); // polled by hand below
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        manager->timerCallback();

    // The share of one core that 20 such polls a second take: the manager's idle load.
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    state.counters["idle_cpu_percent"] = spent.count() / (double)state.iterations() * 20 * 100;
}
} // namespace

BENCHMARK (poll)->ArgName ("ports")->Arg (0)->Arg (2)->Arg (32)->Unit (benchmark::kMicrosecond);
