// The Send Multiple Presets window's two long jobs. A 21-row batch, from Send until the window
// reports every row acknowledged, unpaced and paced like a DIN cable. And a folder of 10,000
// files of which only the last 21 in walk order are preset files: how long the rows take to fill
// next to a bare walk and size test of the same folder, and the longest the message thread went
// without its 5 ms timer meanwhile, next to the longest over an idle loop.
#include "WindowBenchmarkSupport.h"

#include "app/windows/sendmultiple/SendMultiplePresetsWindow.h"

#include <benchmark/benchmark.h>

#include "support/WindowManagerAtoms.h" // last: Xlib's macros clash with what comes before

namespace
{
// When this window goes on the desktop on Xvfb, the atoms must exist before JUCE
// looks them up, so they are made before main.
const bool atomsMade = (internWindowManagerAtoms(), true);

void sendMultiplePresets (benchmark::State& state)
{
    windowbench::Rig rig (state.range (0) != 0);
    SendMultiplePresetsWindow::Ptr window = new SendMultiplePresetsWindow();
    for (int row = 0; row < QRX571Emulator::numLocations; ++row)
        window->storePresetInSlot (rig.app->createDefaultPreset(), row);

    for (auto _ : state)
    {
        const int before = rig.app->messages;
        window->getContent()->getSendButton().triggerClick();
        windowbench::runUntil ([&] { return rig.app->messages > before; });
    }
    if (rig.device.getNumReceived() != (int)state.iterations() * QRX571Emulator::numLocations)
        state.SkipWithError ("not every row was sent");
    state.counters["wire_ms"] = windowbench::wireMilliseconds (QRX571EditorEngine::dumpMessageSize);
    window->releaseContent();
}

// Notes the longest gap between its callbacks.
struct GapTimer : juce::Timer
{
    GapTimer() { startTimer (5); }
    void timerCallback() override
    {
        const auto now = juce::Time::getMillisecondCounterHiRes();
        longest = juce::jmax (longest, now - last);
        last = now;
    }
    double last = juce::Time::getMillisecondCounterHiRes(), longest = 0;
};

// 10,000 small files; the last 21 that a walk meets are then made preset files.
juce::File makeFolder (const juce::MemoryBlock& dump)
{
    const auto folder = juce::File::createTempFile ("walk");
    for (int i = 0; i < 10000; ++i)
    {
        const auto file = folder.getChildFile ("d" + juce::String (i / 1000)).getChildFile (juce::String (i));
        file.getParentDirectory().createDirectory();
        file.replaceWithText ("x");
    }
    juce::Array<juce::File> walked;
    for (const auto& entry : juce::RangedDirectoryIterator (folder, true))
        walked.add (entry.getFile());
    for (int i = walked.size() - QRX571Emulator::numLocations; i < walked.size(); ++i)
        walked[i].replaceWithData (dump.getData(), dump.getSize());
    return folder;
}

// The yardstick: walk the folder and test each file's size. `reuseWalkSize` takes the size the
// walk has already read instead of asking the file, the least any walk can do.
double timeWalkAndSizeTest (const juce::File& folder, juce::int64 dumpSize, bool reuseWalkSize)
{
    const auto start = juce::Time::getMillisecondCounterHiRes();
    int found = 0;
    for (const auto& entry :
         juce::RangedDirectoryIterator (folder, true, "*", juce::File::findFilesAndDirectories))
        if (! entry.isDirectory())
            found += (reuseWalkSize ? entry.getFileSize() : entry.getFile().getSize()) == dumpSize ? 1 : 0;
    benchmark::DoNotOptimize (found);
    return juce::Time::getMillisecondCounterHiRes() - start;
}

void fillRowsFromALargeFolder (benchmark::State& state)
{
    windowbench::Rig rig (false);
    const auto engine = rig.app->getEngine();
    const auto dump = engine->getSysExMessages().presetDump (0, rig.app->createDefaultPreset()->getData());
    const auto folder = makeFolder ({ dump.getRawData(), (size_t)dump.getRawDataSize() });
    SendMultiplePresetsWindow::Ptr window = new SendMultiplePresetsWindow();
    const auto readingDone = [&] { return window->getContent()->getSendButton().isEnabled(); };
    GapTimer gaps;
    double fillMs = 0, walkMs = 0, leastWalkMs = 0, longestGap = 0;

    for (auto _ : state)
    {
        walkMs += timeWalkAndSizeTest (folder, engine->getDumpSize(), false);
        leastWalkMs += timeWalkAndSizeTest (folder, engine->getDumpSize(), true);
        window->resetSlots();
        windowbench::runUntil (readingDone);
        gaps.longest = 0, gaps.last = juce::Time::getMillisecondCounterHiRes();
        const auto start = gaps.last;
        window->queueFiles (folder.getFullPathName(), 0);
        windowbench::runUntil (readingDone);
        fillMs += juce::Time::getMillisecondCounterHiRes() - start;
        longestGap = juce::jmax (longestGap, gaps.longest);
    }

    // The same measure over an idle loop as long as a fill: what the timer and the machine's load
    // give on their own.
    double idleGap = 0;
    for (int i = 0; i < (int)state.iterations(); ++i)
    {
        gaps.longest = 0, gaps.last = juce::Time::getMillisecondCounterHiRes();
        const auto end = gaps.last + fillMs / (double)state.iterations();
        windowbench::runUntil ([&] { return juce::Time::getMillisecondCounterHiRes() > end; });
        idleGap = juce::jmax (idleGap, gaps.longest);
    }

    if (window->getSlotPreset (QRX571Emulator::numLocations - 1) == nullptr) // the rows fill in order
        state.SkipWithError ("the rows did not fill");
    const auto n = (double)state.iterations();
    state.counters["fill_ms"] = fillMs / n;
    state.counters["bare_walk_ms"] = walkMs / n;
    state.counters["fill_over_walk"] = fillMs / walkMs;
    state.counters["least_walk_ms"] = leastWalkMs / n;
    state.counters["fill_over_least_walk"] = fillMs / leastWalkMs;
    state.counters["longest_message_gap_ms"] = longestGap;
    state.counters["idle_longest_gap_ms"] = idleGap;
    window->releaseContent();
    window = nullptr;
    folder.deleteRecursively();
}
} // namespace

BENCHMARK (sendMultiplePresets)
    ->ArgName ("din")
    ->Arg (0)
    ->Arg (1)
    ->Iterations (3)
    ->Unit (benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK (fillRowsFromALargeFolder)->Iterations (10)->Unit (benchmark::kMillisecond)->UseRealTime();
