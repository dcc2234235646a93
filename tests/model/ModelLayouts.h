// The record layouts as the tests know them, to check the model against and to tell which
// byte values an image may hold.
#pragma once

#include "model/QRX571EditorPreset.h"

#include <functional>
#include <vector>

namespace modeltest
{
struct Field
{
    const char* name;
    int byte;
    int minimum;
    int maximum;
};

struct Kind
{
    const char* label;
    std::function<MEditorControl::Ptr()> make;
    int size;
    std::vector<Field> fields;
};

inline const std::vector<Kind>& kinds()
{
    static const std::vector<Kind> all {
        { "pad", [] { return MEditorControl::Ptr (new QRX5Pad()); }, 11,
          { { "Parameter Type", 0, 0, 127 }, { "MIDI Channel", 1, 0, 127 }, { "MIDI Note", 2, 0, 127 },
            { "To MIDI Din", 3, 0, 1 }, { "Note Toggle Mode", 4, 0, 127 }, { "Aftertouch Type", 5, 0, 127 },
            { "Program Number", 6, 0, 127 }, { "Program MSB", 7, 0, 127 }, { "Program LSB", 8, 0, 127 },
            { "Color Off", 9, 0, 17 }, { "Color On", 10, 0, 17 } } },
        { "knob", [] { return MEditorControl::Ptr (new QRX5Knob()); }, 9,
          { { "Parameter Type", 0, 0, 3 }, { "MIDI Channel", 1, 0, 32 }, { "CC Number", 2, 0, 127 },
            { "Min Value", 3, 0, 127 }, { "Max Value", 4, 0, 127 }, { "To MIDI DIN", 5, 0, 1 },
            { "NRPN MSB", 6, 0, 127 }, { "NRPN LSB", 7, 0, 127 }, { "NRPN Value", 8, 0, 127 } } },
        { "fader", [] { return MEditorControl::Ptr (new QRX5Fader()); }, 6,
          { { "Parameter Type", 0, 0, 2 }, { "MIDI Channel", 1, 0, 32 }, { "CC Number", 2, 0, 127 },
            { "Min Value", 3, 0, 127 }, { "Max Value", 4, 0, 127 }, { "To MIDI DIN", 5, 0, 1 } } },
        { "switch", [] { return MEditorControl::Ptr (new QRX5Switch()); }, 13,
          { { "Parameter Type", 0, 0, 4 }, { "MIDI Channel", 1, 0, 32 }, { "MIDI CC", 2, 0, 127 },
            { "Switch Mode", 3, 0, 2 }, { "Program Number", 4, 0, 127 }, { "Program MSB", 5, 0, 127 },
            { "Program LSB", 6, 0, 127 }, { "To Midi Din", 7, 0, 1 }, { "MIDI Note", 8, 0, 127 },
            { "Note Velocity", 9, 0, 127 }, { "Key 1", 11, 0, 82 }, { "Key 2", 12, 0, 14 } } },
        // "BPM" spans bytes 0 and 1 and is checked on its own.
        { "transport", [] { return MEditorControl::Ptr (new QRX5Transport()); }, 13,
          { { "TIME DIVISION TOGGLE", 2, 0, 1 }, { "TIME DIVISION", 3, 0, 7 }, { "REPEAT TOGGLE", 4, 0, 1 },
            { "GATE", 5, 1, 99 }, { "SWING", 6, 50, 75 }, { "TRANSPORT TYPE", 12, 0, 4 } } },
    };
    return all;
}

inline const Kind& kind (const char* label)
{
    for (auto& k : kinds())
        if (juce::String (k.label) == label)
            return k;
    jassertfalse;
    return kinds().front();
}

inline juce::Value val (int v)
{
    return juce::Value (juce::var (v));
}

inline int valueOf (const MEditorControl& c, const char* name)
{
    return c.getParameterValue (name).getValue();
}

// Where each record of a preset image starts, with its kind.
struct Placed
{
    const Kind* kind;
    int offset;
};

inline std::vector<Placed> imageRecords()
{
    std::vector<Placed> placed { { &kind ("transport"), 9 } };
    const std::pair<const char*, int> runs[] = { { "pad", 64 }, { "knob", 12 }, { "fader", 12 }, { "switch", 12 } };
    int offset = 22;
    for (auto [label, count] : runs)
        for (int i = 0; i < count; ++i, offset += kind (label).size)
            placed.push_back ({ &kind (label), offset });
    return placed;
}

// Whether a whole image is acceptable, judged from the layouts above, not from the model.
inline bool imageIsValid (const juce::Array<juce::uint8>& image)
{
    if (image.size() != 1062 || image[8] != 0)
        return false;
    for (int i = 0; i < 8; ++i)
        if (image[i] >= 0x80)
            return false;

    const int bpm = image[9] * 128 + image[10];
    if (bpm < 30 || bpm > 300)
        return false;

    for (auto& p : imageRecords())
        for (auto& f : p.kind->fields)
            if (image[p.offset + f.byte] < f.minimum || image[p.offset + f.byte] > f.maximum)
                return false;
    return true;
}
} // namespace modeltest
