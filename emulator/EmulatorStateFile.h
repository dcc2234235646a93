// Keeps a file showing what the emulator holds, for tests that drive the editor from outside
// its process: every location's image and the global parameters, rewritten whole whenever the
// emulator has received something new. The file is JSON: {"received": n, "presets": [hex x 21],
// "globals": [11 numbers]}.
#pragma once

#include "emulator/QRX571Emulator.h"

#include <juce_events/juce_events.h>

class EmulatorStateFile : private juce::Timer
{
public:
    EmulatorStateFile (QRX571Emulator& emulator, const juce::File& file);
    ~EmulatorStateFile() override;

    // Writes the file now if the emulator has received anything since the last write.
    void update();

private:
    void timerCallback() override { update(); }

    QRX571Emulator& emulator;
    const juce::File file;
    int written = -1;
};
