// Each panel driven as the user drives it: TYPE picked, rows enabled and set, banks ticked,
// "Apply" clicked; then the preset must hold exactly the writes the rows stand for. Boxes that
// show one number twice keep in step whichever side the user edits, and the run starts from
// what they show: START and the note names of NOTE, START and its MSB / LSB split in INC/DEC 1.
// Choosing another TYPE replaces the sub-mode, and a panel may go at any moment.
#include "autopopulate/AutoPopulateTestSupport.h"

using namespace aptest;

namespace
{
struct ApplyCase
{
    Kind kind;
    const char* type;
    const char* steps;
    std::initializer_list<int> banks; // in click order
    Writes expected;
};

// clang-format off
const ApplyCase applyCases[] = {
    { Kind::pads, "NOTE", "enable SCALE", {}, {} },
    // Bank A comes first whatever the click order; the run stops at 127, leaving later controls.
    { Kind::pads, "NOTE", "enable SCALE; type START=100", { 2, 1, 0, 1 },
      run ("MIDI Note", 0, 100, 16) + run ("MIDI Note", 32, 116, 12) },
    // Untouched choosers write their first item.
    { Kind::pads, "NOTE", "enable PAD ON COLOR; enable PAD OFF COLOR; enable MIDI CHANNEL; enable MIDI TO DIN; "
                          "pick PAD ON COLOR=GREY; pick MIDI CHANNEL=B16; pick MIDI TO DIN=ON", { 0 },
      same ("Color On", 0, 15, 16) + same ("Color Off", 0, 15, 0) + same ("MIDI Channel", 0, 15, 32)
      + same ("To MIDI Din", 0, 15, 1) },
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
    { Kind::knobs, "INC/DEC 1", "type START=300; see MSB=2; see LSB=44; type MSB=1; see START=172; type LSB=0; "
                                "see START=128; type START=16383; see MSB=127; see LSB=127; type START=16384; "
                                "type MSB=128; see START=16383; type START=0; see LSB=0; type MSB=1; see START=128; "
                                "enable ORDER", { 0 },
      same ("NRPN MSB", 0, 3, 1) + run ("NRPN LSB", 0, 0, 4) },
    { Kind::knobs, "INC/DEC 1", "enable ORDER; type START=16383", { 0 },
      same ("NRPN MSB", 0, 0, 127) + same ("NRPN LSB", 0, 0, 127) },
    { Kind::knobs, "INC/DEC 1", "enable ORDER; enable VALUE; pick ORDER=DESCENDING; type MSB=2; type LSB=44; "
                                "type VALUE=7", { 2 },
      same ("NRPN MSB", 8, 11, 2) + run ("NRPN LSB", 8, 44, 4, -1) + same ("NRPN Value", 8, 11, 7) },

    { Kind::faders, "CC", "enable ORDER; enable MIN; type START=124; type MIN=10", { 0, 1 },
      run ("CC Number", 0, 124, 4) + same ("Min Value", 0, 7, 10) },
    // Untouched numbers write their initial value.
    { Kind::faders, "AFTERTOUCH", "enable MIN; enable MAX; enable MIDI TO DIN; enable TYPE; pick MIDI TO DIN=ON", { 2 },
      same ("Min Value", 8, 11, 0) + same ("Max Value", 8, 11, 127) + same ("To MIDI DIN", 8, 11, 1)
      + same ("Parameter Type", 8, 11, 1) },

    { Kind::switches, "CC", "enable ORDER; enable MIDI CHANNEL; enable MIDI TO DIN; pick ORDER=DESCENDING; "
                            "pick MIDI CHANNEL=A3; pick MIDI TO DIN=ON; type START=5", { 1 },
      run ("MIDI CC", 4, 5, 4, -1) + same ("MIDI Channel", 4, 7, 3) + same ("To Midi Din", 4, 7, 1) },
    { Kind::switches, "NOTE", "enable SCALE; enable MODE; type START=126", { 0 },
      run ("MIDI Note", 0, 126, 2) + same ("Switch Mode", 0, 3, 0) },
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
        perform (*user.panel, juce::String ("pick TYPE=") + c.type + ";" + c.steps);
        tickAndApply (*user.panel, c.banks);
        user.expectOnly (c.expected);
    }
}

// The tool has nothing to fill for key strokes, nor a scale but the chromatic one for switches.
TEST (PanelApply, SwitchesOfferNoKeyStrokeAndOnlyAChromaticScale)
{
    const auto items = [] (juce::ComboBox& box)
    {
        juce::StringArray texts;
        for (int i = 0; i < box.getNumItems(); ++i)
            texts.add (box.getItemText (i));
        return texts;
    };
    PanelUser user (Kind::switches);
    EXPECT_EQ (items (chooser (*user.panel, "TYPE")),
               juce::StringArray ("CC", "NOTE", "PROGRAM", "PROGRAM BANK"));

    perform (*user.panel, "pick TYPE=NOTE");
    EXPECT_EQ (items (chooser (*user.panel, "SCALE")), juce::StringArray ("CHROMATIC"));
}

// The rows shown before a switch stop hearing "Apply"; coming back brings fresh rows (off, on
// their first item or initial number, START 0).
TEST (PanelApply, ReplacedRowsNoLongerApplyAndReturningRowsStartOver)
{
    const std::tuple<Kind, const char*, const char*, const char*> cases[] = {
        { Kind::pads, "NOTE", "AFT", "PROGRAM" },
        { Kind::knobs, "CC", "MIN", "INC/DEC 1" },
        { Kind::faders, "CC", "MIN", "AFTERTOUCH" },
        { Kind::switches, "NOTE", "MODE", "CC" },
    };
    for (auto [kind, type, label, otherType] : cases)
    {
        SCOPED_TRACE (label);
        PanelUser user (kind);
        auto& panel = *user.panel;
        perform (panel, juce::String ("pick TYPE=") + type + "; enable " + label);

        AutoPopulateParameter::Ptr old = &row (panel, label);
        const auto initialValue = old->getEditor()->getValue();
        if (auto* combo = dynamic_cast<ComboBoxParameterComponent*> (old->getEditor()))
            combo->getComboBox().setSelectedItemIndex (1, juce::sendNotificationSync);
        else
            perform (panel, juce::String ("type ") + label + "=9");
        perform (panel, juce::String ("type START=5; pick TYPE=") + otherType);
        EXPECT_FALSE (findAll<AutoPopulateParameter> (panel).contains (old.get()));
        tickAndApply (panel, { 0 });
        user.expectOnly ({});

        perform (panel, juce::String ("pick TYPE=") + type);
        auto& fresh = row (panel, label);
        EXPECT_NE (&fresh, old.get());
        EXPECT_FALSE (enabledToggle (fresh).getToggleState());
        EXPECT_EQ (fresh.getEditor()->getValue(), initialValue);
        EXPECT_EQ (box (panel, "START").getValue(), 0);
        tickAndApply (panel, {});
        user.expectOnly ({});
    }
}

TEST (PanelApply, PanelsGoSafelyWithNotificationsPending)
{
    for (auto kind : { Kind::pads, Kind::knobs, Kind::faders, Kind::switches })
    {
        // Gone straight after it is made, its first TYPE notification still on the way; a TYPE
        // row that outlives its panel tells nobody of a choice.
        PanelUser user (kind, false);
        AutoPopulateParameter::Ptr typeRow = &row (*user.panel, "TYPE");
        user.tool.reset();
        EXPECT_TRUE (testutil::deliverPostedMessages (1));
        comboOf (*typeRow).setSelectedItemIndex (1, juce::sendNotificationSync);
        EXPECT_EQ (typeRow->getParentComponent(), nullptr);

        if (kind == Kind::knobs || kind == Kind::faders)
            continue;
        // Gone with a note name still to be shown and a TYPE switch still to come.
        PanelUser noteUser (kind);
        perform (*noteUser.panel, "pick TYPE=NOTE");
        box (*noteUser.panel, "START").setValue (3, juce::sendNotificationSync);
        auto& type = chooser (*noteUser.panel, "TYPE");
        type.setSelectedItemIndex (type.getSelectedItemIndex() == 0 ? 1 : 0, juce::sendNotificationAsync);
        noteUser.tool.reset();
        EXPECT_TRUE (testutil::deliverPostedMessages (1));
    }
}
