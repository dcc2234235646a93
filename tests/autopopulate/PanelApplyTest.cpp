// Each panel driven as the user drives it: TYPE picked, rows enabled and set, banks ticked,
// "Apply" clicked; then the preset must hold exactly the writes the rows stand for. Boxes that
// show one number twice keep in step whichever side the user edits, and the run starts from
// what they show: START and the note names of NOTE, START and its MSB / LSB split in INC/DEC 1.
#include "autopopulate/PanelTestSupport.h"

using namespace paneltest;

namespace
{
struct ApplyCase
{
    Kind kind;
    const char* type;
    const char* steps;
    std::initializer_list<int> banks;
    Writes expected;
};

// clang-format off
const ApplyCase applyCases[] = {
    { Kind::pads, "NOTE", "enable SCALE", {}, {} },
    { Kind::pads, "NOTE", "enable SCALE; pick SCALE=MAJOR; type START=60", { 0 },
      values ("MIDI Note", 0, { 60, 62, 64, 65, 67, 69, 71, 72, 74, 76, 77, 79, 81, 83, 84, 86 }) },
    { Kind::pads, "NOTE", "enable SCALE; type START=100", { 0, 1 }, run ("MIDI Note", 0, 100, 28) },
    { Kind::pads, "NOTE", "enable AFT; enable MODE", { 2 },
      same ("Aftertouch Type", 32, 47, 0) + same ("Note Toggle Mode", 32, 47, 0) },
    { Kind::pads, "NOTE", "enable PAD ON COLOR; enable PAD OFF COLOR; enable MIDI CHANNEL; enable MIDI TO DIN; "
                          "pick PAD ON COLOR=GREY; pick MIDI CHANNEL=B16; pick MIDI TO DIN=ON", { 0, 2 },
      same ("Color On", 0, 15, 16) + same ("Color On", 32, 47, 16) + same ("Color Off", 0, 15, 0)
      + same ("Color Off", 32, 47, 0) + same ("MIDI Channel", 0, 15, 32) + same ("MIDI Channel", 32, 47, 32)
      + same ("To MIDI Din", 0, 15, 1) + same ("To MIDI Din", 32, 47, 1) },
    { Kind::pads, "NOTE", "see NAMES=; type START=60; see NAMES=C4; pick NAMES=A4; see START=69; enable SCALE", { 0 },
      run ("MIDI Note", 0, 69, 16) },
    { Kind::pads, "PROGRAM", "enable ORDER; pick ORDER=DESCENDING; type PROGRAM=10", { 3 },
      run ("Program Number", 48, 10, 11, -1) },
    { Kind::pads, "PROGRAM BANK", "enable MSB; enable LSB; enable ORDER; enable TYPE; type MSB=2; type LSB=5; "
                                  "type PROGRAM=20", { 2 },
      same ("Program MSB", 32, 47, 2) + same ("Program LSB", 32, 47, 5) + run ("Program Number", 32, 20, 16)
      + same ("Parameter Type", 32, 47, 2) },

    { Kind::knobs, "INC/DEC 2", "enable MIDI CHANNEL; enable TYPE", { 1 },
      same ("MIDI Channel", 4, 7, 0) + same ("Parameter Type", 4, 7, 3) },
    { Kind::knobs, "CC", "enable ORDER; type START=120", { 0, 1, 2 }, run ("CC Number", 0, 120, 8) },
    { Kind::knobs, "AFTERTOUCH", "enable MIN; enable MAX; enable MIDI TO DIN; pick MIDI TO DIN=ON", { 2 },
      same ("Min Value", 8, 11, 0) + same ("Max Value", 8, 11, 127) + same ("To MIDI DIN", 8, 11, 1) },
    { Kind::knobs, "INC/DEC 1", "type START=300; see START=300; see MSB=2; see LSB=44; type MSB=1; see START=172; "
                                "see LSB=44; type LSB=0; see START=128; see MSB=1; type START=16383; see MSB=127; "
                                "see LSB=127; type START=16384; see START=16383; see MSB=127; see LSB=127; "
                                "type MSB=128; see START=16383; see MSB=127; type START=0; see MSB=0; see LSB=0; "
                                "type MSB=1; see START=128; see LSB=0; enable ORDER", { 0 },
      same ("NRPN MSB", 0, 3, 1) + run ("NRPN LSB", 0, 0, 4) },
    { Kind::knobs, "INC/DEC 1", "enable ORDER; type START=16383", { 0 },
      same ("NRPN MSB", 0, 0, 127) + same ("NRPN LSB", 0, 0, 127) },
    { Kind::knobs, "INC/DEC 1", "enable ORDER; enable VALUE; pick ORDER=DESCENDING; type MSB=2; type LSB=44; "
                                "type VALUE=7", { 2 },
      same ("NRPN MSB", 8, 11, 2) + run ("NRPN LSB", 8, 44, 4, -1) + same ("NRPN Value", 8, 11, 7) },

    { Kind::faders, "CC", "enable ORDER; enable MIN; type START=124; type MIN=10", { 0, 1 },
      run ("CC Number", 0, 124, 4) + same ("Min Value", 0, 7, 10) },
    { Kind::faders, "AFTERTOUCH", "enable MIN; enable MAX; enable MIDI TO DIN; enable TYPE; pick MIDI TO DIN=ON", { 2 },
      same ("Min Value", 8, 11, 0) + same ("Max Value", 8, 11, 127) + same ("To MIDI DIN", 8, 11, 1)
      + same ("Parameter Type", 8, 11, 1) },

    { Kind::switches, "CC", "enable ORDER; enable MIDI CHANNEL; enable MIDI TO DIN; pick ORDER=DESCENDING; "
                            "pick MIDI CHANNEL=A3; pick MIDI TO DIN=ON; type START=5", { 1 },
      run ("MIDI CC", 4, 5, 4, -1) + same ("MIDI Channel", 4, 7, 3) + same ("To Midi Din", 4, 7, 1) },
    { Kind::switches, "NOTE", "enable SCALE; enable MODE; type START=126", { 0 },
      run ("MIDI Note", 0, 126, 2) + same ("Switch Mode", 0, 3, 0) },
    { Kind::switches, "NOTE", "see NAMES=; type START=60; see NAMES=C4; pick NAMES=A4; see START=69; enable SCALE",
      { 0 }, run ("MIDI Note", 0, 69, 4) },
    { Kind::switches, "PROGRAM", "enable ORDER; enable TYPE; type Program Number NumberBox=7", { 2 },
      run ("Program Number", 8, 7, 4) + same ("Parameter Type", 8, 11, 2) },
    { Kind::switches, "PROGRAM BANK", "enable MSB; enable LSB; enable ORDER; type MSB=1; type LSB=2; "
                                      "type Program Number NumberBox=10", { 0, 2 },
      same ("Program MSB", 0, 3, 1) + same ("Program MSB", 8, 11, 1) + same ("Program LSB", 0, 3, 2)
      + same ("Program LSB", 8, 11, 2) + run ("Program Number", 0, 10, 4) + run ("Program Number", 8, 14, 4) },
};
// clang-format on
} // namespace

TEST (PanelApply, WritesTheEnabledRowsIntoTheTickedBanks)
{
    for (const auto& c : applyCases)
    {
        SCOPED_TRACE (juce::String (c.type) + ": " + c.steps);
        PanelUser user (c.kind);
        user.perform (juce::String ("pick TYPE=") + c.type);
        user.perform (c.steps);
        user.tick (c.banks);
        user.apply();
        user.expectOnly (c.expected);
    }
}

TEST (PanelApply, SwitchesOfferNoKeyStrokeAndOnlyAChromaticScale)
{
    PanelUser user (Kind::switches);
    auto& type = aptest::comboOf (user.row ("TYPE"));
    EXPECT_EQ (type.getNumItems(), 4);
    EXPECT_EQ (type.getItemText (3), "PROGRAM BANK");

    user.perform ("pick TYPE=NOTE");
    EXPECT_EQ (aptest::comboOf (user.row ("SCALE")).getNumItems(), 1);
}
