// What the MIDI manager's 50 ms poll costs: one poll with 0, 2 and 32 ports of each kind listed
// and open, and the CPU the manager uses while idle with the message loop running.
#include "midi/MidiManager.h"
#include "midi/SystemMidiPortLayer.h"
#include "midi/VirtualMidiPortLayer.h"

#include <benchmark/benchmark.h>
#include <juce_events/juce_events.h>

#include <ctime>

namespace
{
struct NullListener : MidiManager::Listener
{
    void handleIncomingMidiMessage (MidiInputPort*, const juce::MidiMessage&) override {}
};

void pollWithVirtualPorts (benchmark::State& state)
{
    const auto numPorts = (int)state.range (0);
    auto layer = std::make_shared<VirtualMidiPortLayer>();
    MidiManager::Ptr manager = new MidiManager (layer);
    manager->stopTimer(); // polled by hand below

    for (int i = 0; i < numPorts; ++i)
    {
        const auto name = "Port " + juce::String (i);
        layer->addInput (name);
        layer->addOutput (name, [] (const juce::MidiMessage&) {});
        manager->openInputDevice (name);
        manager->openOutputDevice (name);
    }

    for (auto _ : state)
        manager->timerCallback();

    state.counters["ports"] = numPorts;
    manager = nullptr;
}

void pollWithSystemPorts (benchmark::State& state)
{
    MidiManager::Ptr manager = new MidiManager();
    manager->stopTimer();
    manager->openInputDevice ("QRX571 Remote");
    manager->openOutputDevice ("QRX571 Remote");

    for (auto _ : state)
        manager->timerCallback();

    state.counters["ports"] = manager->getAvailableInputNames().size();
}

double processCpuSeconds()
{
    timespec t{};
    clock_gettime (CLOCK_PROCESS_CPUTIME_ID, &t);
    return (double)t.tv_sec + (double)t.tv_nsec * 1.0e-9;
}

double loopCpuPercent (int milliseconds)
{
    const auto cpuStart = processCpuSeconds();
    const auto wallStart = juce::Time::getMillisecondCounterHiRes();
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
    const auto wall = (juce::Time::getMillisecondCounterHiRes() - wallStart) / 1000.0;
    return 100.0 * (processCpuSeconds() - cpuStart) / wall;
}

// The message loop alone, as the baseline for the one below.
void idleLoopCpu (benchmark::State& state)
{
    double percent = 0;

    for (auto _ : state)
        percent = loopCpuPercent (2000);

    state.counters["cpu_percent_of_a_core"] = percent;
}

// The manager left alone with its timer running, the device's two ports open.
void idleManagerCpu (benchmark::State& state)
{
    auto layer = std::make_shared<VirtualMidiPortLayer>();
    layer->addInput ("QRX571 Remote");
    layer->addOutput ("QRX571 Remote", [] (const juce::MidiMessage&) {});
    MidiManager::Ptr manager = new MidiManager (layer);
    NullListener listener;
    manager->addListener (&listener);
    manager->openInputDevice ("QRX571 Remote");
    manager->openOutputDevice ("QRX571 Remote");

    double percent = 0;

    for (auto _ : state)
        percent = loopCpuPercent (2000);

    state.counters["cpu_percent_of_a_core"] = percent;
    manager = nullptr;
}
} // namespace

BENCHMARK (pollWithVirtualPorts)->Arg (0)->Arg (2)->Arg (32)->Unit (benchmark::kMicrosecond);
BENCHMARK (pollWithSystemPorts)->Unit (benchmark::kMicrosecond);
BENCHMARK (idleLoopCpu)->Iterations (1)->Unit (benchmark::kMillisecond);
BENCHMARK (idleManagerCpu)->Iterations (1)->Unit (benchmark::kMillisecond);

int main (int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juceSystem;
    benchmark::Initialize (&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
