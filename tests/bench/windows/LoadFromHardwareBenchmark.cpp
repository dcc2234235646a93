// The full Load From Hardware fetch of all 21 locations, from the window's refresh until it
// shows the names, against the emulated device as fast as it answers and paced like a DIN cable.
#include "WindowBenchmarkSupport.h"

#include "app/windows/loadfromhardware/GetPresetWindow.h"
#include "midi/QRX571EditorEngine.h"

#include <benchmark/benchmark.h>

namespace
{
void loadFromHardware (benchmark::State& state)
{
    windowbench::Rig rig (state.range (0) != 0);
    GetPresetWindow::Ptr window = new GetPresetWindow (rig.app->getEngine());
    auto& content = dynamic_cast<GetPresetComponent&> (*window->getContentComponent());

    for (auto _ : state)
    {
        window->refresh(); // as the application does on every show
        windowbench::runUntil ([&] { return ! window->isFetching(); });
    }

    if (content.getList().getModel()->getNumRows() != QRX571Emulator::numLocations)
        state.SkipWithError ("the fetch did not complete");

    // The dumps alone, and with the 9-byte requests that go the other way first.
    state.counters["dumps_wire_ms"] = windowbench::wireMilliseconds (QRX571EditorEngine::dumpMessageSize);
    state.counters["all_wire_ms"] = windowbench::wireMilliseconds (QRX571EditorEngine::dumpMessageSize + 9);
    window->release();
}
} // namespace

BENCHMARK (loadFromHardware)
    ->ArgName ("din")
    ->Arg (0)
    ->Arg (1)
    ->Iterations (5)
    ->Unit (benchmark::kMillisecond)
    ->UseRealTime();
