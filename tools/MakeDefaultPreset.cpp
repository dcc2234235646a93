// Builds the built-in default preset from its listed values and writes it as a complete preset
// dump, ready to be committed as resources/DefaultPreset.syx.
//   MakeDefaultPreset <output file>

#include "model/QRX571EditorPreset.h"

#include <iostream>

namespace
{
bool allStored = true;

// Every listed value must be in its parameter's range; one that isn't would be dropped silently.
void set (MEditorControl& control, const char* name, int value)
{
    control.setParameterValue (name, juce::Value (value));
    if (static_cast<int> (control.getParameterValue (name).getValue()) != value)
    {
        std::cerr << control.getName() << " \"" << name << "\" refused " << value << "\n";
        allStored = false;
    }
}

// "Color Off" and "Color On" by groups of four pads.
const int padColours[16][2] = { { 1, 5 },   { 5, 9 },  { 9, 13 },  { 13, 1 }, { 2, 6 },   { 6, 10 },
                                { 10, 14 }, { 14, 2 }, { 3, 7 },   { 7, 11 }, { 11, 15 }, { 15, 3 },
                                { 4, 8 },   { 8, 12 }, { 12, 16 }, { 16, 4 } };

const int knobCC[12] = { 3, 9, 14, 15, 52, 53, 54, 55, 83, 85, 86, 87 };
const int faderCC[12] = { 20, 21, 22, 23, 61, 62, 63, 70, 92, 93, 94, 95 };
const int switchCC[12] = { 28, 29, 30, 31, 75, 76, 77, 78, 106, 107, 108, 109 };
const int switchMode[12] = { 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0 };

QRX571EditorPreset::Ptr buildPreset()
{
    QRX571EditorPreset::Ptr preset = new QRX571EditorPreset();
    preset->setName ("Generic ");

    auto& transport = *preset->getTransport();
    set (transport, "BPM", 120);
    set (transport, "TIME DIVISION TOGGLE", 1);
    set (transport, "TIME DIVISION", 4);
    set (transport, "REPEAT TOGGLE", 1);
    set (transport, "GATE", 50);
    set (transport, "SWING", 50);
    set (transport, "TRANSPORT TYPE", 3);

    for (int i = 0; i < QRX571EditorPreset::numPads; ++i)
    {
        auto& pad = *preset->getPad (i);
        set (pad, "Parameter Type", 0);
        set (pad, "MIDI Channel", 0);
        set (pad, "MIDI Note", 36 + i);
        set (pad, "To MIDI Din", 0);
        set (pad, "Note Toggle Mode", 0);
        set (pad, "Aftertouch Type", 1);
        set (pad, "Program Number", 0);
        set (pad, "Program MSB", 0);
        set (pad, "Program LSB", 0);
        set (pad, "Color Off", padColours[i / 4][0]);
        set (pad, "Color On", padColours[i / 4][1]);
    }

    for (int i = 0; i < 12; ++i)
    {
        auto& knob = *preset->getKnob (i);
        set (knob, "Parameter Type", 0);
        set (knob, "MIDI Channel", 0);
        set (knob, "CC Number", knobCC[i]);
        set (knob, "Min Value", 0);
        set (knob, "Max Value", 127);
        set (knob, "To MIDI DIN", 0);
        set (knob, "NRPN MSB", 127);
        set (knob, "NRPN LSB", 127);
        set (knob, "NRPN Value", 1);

        auto& fader = *preset->getFader (i);
        set (fader, "Parameter Type", 0);
        set (fader, "MIDI Channel", 0);
        set (fader, "CC Number", faderCC[i]);
        set (fader, "Min Value", 0);
        set (fader, "Max Value", 127);
        set (fader, "To MIDI DIN", 0);

        auto& sw = *preset->getSwitch (i);
        set (sw, "Parameter Type", 0);
        set (sw, "MIDI Channel", 0);
        set (sw, "MIDI CC", switchCC[i]);
        set (sw, "Switch Mode", switchMode[i]);
        set (sw, "Program Number", 0);
        set (sw, "Program MSB", 0);
        set (sw, "Program LSB", 0);
        set (sw, "To Midi Din", 0);
        set (sw, "MIDI Note", 0);
        set (sw, "Note Velocity", 127);
        set (sw, "Key 1", 49);
        set (sw, "Key 2", 0);
    }
    return preset;
}

// F0, header, length, location, image, trailer, F7.
juce::Array<juce::uint8> frameDump (const juce::Array<juce::uint8>& image, juce::uint8 location)
{
    const juce::uint8 trailer[] = { 0x04, 0x00, 0x00, 0x04, 0x00, 0x01, 0x04, 0x00, 0x02, 0x04, 0x00, 0x03 };
    const int length = image.size() + 1 + static_cast<int> (std::size (trailer));

    juce::Array<juce::uint8> dump{ 0xf0, 0x47, 0x00, 0x35, 0x10 };
    dump.add (static_cast<juce::uint8> (length >> 7), static_cast<juce::uint8> (length & 0x7f), location);
    dump.addArray (image);
    dump.addArray (trailer, static_cast<int> (std::size (trailer)));
    dump.add (0xf7);
    return dump;
}
} // namespace

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: MakeDefaultPreset <output file>\n";
        return 2;
    }

    auto image = buildPreset()->getData();
    if (! allStored || ! QRX571EditorPreset().validate (image))
        return 1;

    // The stored dump keeps 00 02 00 00 00 in the transport's reserved bytes, which no
    // preset ever reads.
    const juce::uint8 transportReserved[] = { 0x00, 0x02, 0x00, 0x00, 0x00 };
    for (int i = 0; i < 5; ++i)
        image.set (QRX571EditorPreset::transportOffset + 7 + i, transportReserved[i]);

    const auto dump = frameDump (image, 0x0f);

    const juce::File out = juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]);
    if (dump.size() != 1083 ||
        ! out.replaceWithData (dump.getRawDataPointer(), static_cast<size_t> (dump.size())))
    {
        std::cerr << "could not write " << out.getFullPathName() << "\n";
        return 1;
    }

    std::cout << "wrote " << dump.size() << " bytes to " << out.getFullPathName() << "\n";
    return 0;
}
