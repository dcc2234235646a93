// The record layouts as the tests know them, to check the model against and to tell which
// byte values an image may hold.
#pragma once

#include "model/QRX571EditorPreset.h"

#include <functional>
#include <ostream>
#include <vector>

namespace juce // byte arrays print as hex in failure messages
{
inline void PrintTo (const Array<uint8>& b, std::ostream* os)
{
    *os << "[" << b.size() << "] " << String::toHexString (b.getRawDataPointer(), b.size());
}
} // namespace juce

namespace modeltest
{
struct Field
{
    const char* name;
    int byte, minimum, maximum;
};

struct Kind
{
    const char* label;
    std::function<MEditorControl::Ptr()> make;
    int size;
    std::vector<Field> fields;
};

// clang-format off
inline const Kind padKind { "pad", [] { return MEditorControl::Ptr (new QRX5Pad()); }, 11, {
    { "Parameter Type", 0, 0, 127 }, { "MIDI Channel", 1, 0, 127 }, { "MIDI Note", 2, 0, 127 }, { "To MIDI Din", 3, 0, 1 },
    { "Note Toggle Mode", 4, 0, 127 }, { "Aftertouch Type", 5, 0, 127 }, { "Program Number", 6, 0, 127 },
    { "Program MSB", 7, 0, 127 }, { "Program LSB", 8, 0, 127 }, { "Color Off", 9, 0, 17 }, { "Color On", 10, 0, 17 } } };
inline const Kind knobKind { "knob", [] { return MEditorControl::Ptr (new QRX5Knob()); }, 9, {
    { "Parameter Type", 0, 0, 3 }, { "MIDI Channel", 1, 0, 32 }, { "CC Number", 2, 0, 127 }, { "Min Value", 3, 0, 127 },
    { "Max Value", 4, 0, 127 }, { "To MIDI DIN", 5, 0, 1 }, { "NRPN MSB", 6, 0, 127 }, { "NRPN LSB", 7, 0, 127 },
    { "NRPN Value", 8, 0, 127 } } };
inline const Kind faderKind { "fader", [] { return MEditorControl::Ptr (new QRX5Fader()); }, 6, {
    { "Parameter Type", 0, 0, 2 }, { "MIDI Channel", 1, 0, 32 }, { "CC Number", 2, 0, 127 }, { "Min Value", 3, 0, 127 },
    { "Max Value", 4, 0, 127 }, { "To MIDI DIN", 5, 0, 1 } } };
inline const Kind switchKind { "switch", [] { return MEditorControl::Ptr (new QRX5Switch()); }, 13, {
    { "Parameter Type", 0, 0, 4 }, { "MIDI Channel", 1, 0, 32 }, { "MIDI CC", 2, 0, 127 }, { "Switch Mode", 3, 0, 2 },
    { "Program Number", 4, 0, 127 }, { "Program MSB", 5, 0, 127 }, { "Program LSB", 6, 0, 127 }, { "To Midi Din", 7, 0, 1 },
    { "MIDI Note", 8, 0, 127 }, { "Note Velocity", 9, 0, 127 }, { "Key 1", 11, 0, 82 }, { "Key 2", 12, 0, 14 } } };
// "BPM" spans bytes 0 and 1 and is checked on its own.
inline const Kind transportKind { "transport", [] { return MEditorControl::Ptr (new QRX5Transport()); }, 13, {
    { "TIME DIVISION TOGGLE", 2, 0, 1 }, { "TIME DIVISION", 3, 0, 7 }, { "REPEAT TOGGLE", 4, 0, 1 },
    { "GATE", 5, 1, 99 }, { "SWING", 6, 50, 75 }, { "TRANSPORT TYPE", 12, 0, 4 } } };
// clang-format on

inline const std::vector<const Kind*> allKinds{ &padKind, &knobKind, &faderKind, &switchKind,
                                                &transportKind };

inline juce::Value val (int v) { return juce::Value (juce::var (v)); }

inline int valueOf (const MEditorControl& c, const char* name)
{
    return c.getParameterValue (name).getValue();
}

// Whether a whole image is acceptable, judged from the layouts above, not by the model.
inline bool imageIsValid (const juce::Array<juce::uint8>& image)
{
    bool valid =
        image.size() == 1062 && image[8] == 0 && juce::Range (30, 301).contains (image[9] * 128 + image[10]);
    for (int i = 0; i < 8; ++i)
        valid = valid && image[i] < 0x80;

    const std::pair<const Kind*, int> runs[] = {
        { &transportKind, 1 }, { &padKind, 64 }, { &knobKind, 12 }, { &faderKind, 12 }, { &switchKind, 12 }
    };
    int offset = 9;
    for (auto [kind, count] : runs)
        for (int i = 0; i < count; ++i, offset += kind->size)
            for (auto& f : kind->fields)
                valid = valid && juce::Range (f.minimum, f.maximum + 1).contains (image[offset + f.byte]);
    return valid;
}
} // namespace modeltest
