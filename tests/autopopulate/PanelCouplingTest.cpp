// Boxes that show one number twice keep in step whichever side the user edits: START and the
// note-name list of the NOTE sub-modes, START and its MSB / LSB split in the knobs' INC/DEC 1.
#include "autopopulate/PanelTestSupport.h"

using namespace paneltest;

TEST (PanelCoupling, StartAndNoteNameFollowEachOther)
{
    for (auto kind : { Kind::pads, Kind::switches })
    {
        PanelUser user (kind);
        user.perform ("pick TYPE=NOTE");
        auto& names = *aptest::findAll<juce::ComboBox> (*user.panel).getLast(); // next to START, made last
        EXPECT_EQ (names.getSelectedId(), 0);

        user.perform ("type START=60");
        EXPECT_TRUE (testutil::runLoopUntil ([&] { return names.getText() == "C4"; }));

        EXPECT_TRUE (aptest::pick (names, "A4"));
        EXPECT_EQ (user.box ("START").getValue(), 69);

        // The run starts from the picked name.
        user.perform ("enable SCALE");
        user.tick ({ 0 });
        user.apply();
        user.expectOnly (run ("MIDI Note", 0, 69, kind == Kind::pads ? 16 : 4));
    }
}

TEST (PanelCoupling, StartFollowsMsbAndLsbAndBack)
{
    struct Step
    {
        const char* box;
        int typed;
        int start, msb, lsb; // shown afterwards
    };
    const Step steps[] = {
        { "START", 300, 300, 2, 44 },
        { "MSB", 1, 172, 1, 44 },
        { "LSB", 0, 128, 1, 0 },
        { "START", 16383, 16383, 127, 127 },
        { "START", 16384, 16383, 127, 127 },
        { "MSB", 128, 16383, 127, 127 },
        { "START", 0, 0, 0, 0 },
        { "MSB", 1, 128, 1, 0 },
    };

    PanelUser user (Kind::knobs);
    user.perform ("pick TYPE=INC/DEC 1");

    for (const auto& s : steps)
    {
        SCOPED_TRACE (juce::String (s.box) + " " + juce::String (s.typed));
        user.perform (juce::String ("type ") + s.box + "=" + juce::String (s.typed));
        EXPECT_EQ (user.box ("START").getValue(), s.start);
        EXPECT_EQ (user.box ("MSB").getValue(), s.msb);
        EXPECT_EQ (user.box ("LSB").getValue(), s.lsb);
    }

    // The run starts where the boxes say: 128 ascending is MSB 1 with LSB 0, 1, 2, 3.
    user.perform ("enable ORDER");
    user.tick ({ 0 });
    user.apply();
    user.expectOnly (same ("NRPN MSB", 0, 3, 1) + run ("NRPN LSB", 0, 0, 4));
}
