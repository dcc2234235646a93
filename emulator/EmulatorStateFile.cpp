#include "emulator/EmulatorStateFile.h"

EmulatorStateFile::EmulatorStateFile (QRX571Emulator& e, const juce::File& f)
    : emulator (e)
    , file (f)
{
    update();
    startTimer (50);
}

EmulatorStateFile::~EmulatorStateFile()
{
    stopTimer();
    update();
}

void EmulatorStateFile::update()
{
    // Only once the emulator has handled all it has, so a reader never sees half a transfer.
    const int received = emulator.getNumReceived();

    if (received == written || ! emulator.isIdle())
        return;

    juce::Array<juce::var> presets, globals;

    for (int location = 0; location < QRX571Emulator::numLocations; ++location)
    {
        const auto image = emulator.getPresetImage (location);
        presets.add (juce::String::toHexString (image.data(), (int)image.size(), 0));
    }

    for (auto value : emulator.getGlobalParameters())
        globals.add ((int)value);

    auto* state = new juce::DynamicObject();
    state->setProperty ("received", received);
    state->setProperty ("presets", presets);
    state->setProperty ("globals", globals);

    // Replaced whole, so a reader never sees a half-written file.
    juce::TemporaryFile temporary (file);

    if (temporary.getFile().replaceWithText (juce::JSON::toString (juce::var (state), true)) &&
        temporary.overwriteTargetFileWithTemporary())
        written = received;
}
