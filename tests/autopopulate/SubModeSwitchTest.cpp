// Choosing another TYPE replaces the sub-mode: the rows shown before stop hearing "Apply",
// and coming back brings fresh rows (off, on their first item or initial number, START 0).
// A panel may also go at any moment, notifications still on their way included.
#include "autopopulate/PanelTestSupport.h"

using namespace paneltest;

TEST (SubModeSwitch, ReplacedRowsNoLongerApplyAndReturningRowsStartOver)
{
    struct SwitchCase
    {
        Kind kind;
        const char* type;
        const char* label; // a row of that type's sub-mode
        const char* otherType;
    };
    const SwitchCase cases[] = { { Kind::pads, "NOTE", "AFT", "PROGRAM" },
                                 { Kind::knobs, "CC", "MIN", "INC/DEC 1" },
                                 { Kind::faders, "CC", "MIN", "AFTERTOUCH" },
                                 { Kind::switches, "NOTE", "MODE", "CC" } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.label);
        PanelUser user (c.kind);
        user.perform (juce::String ("pick TYPE=") + c.type);

        AutoPopulateParameter::Ptr old = &user.row (c.label);
        const auto initialValue = old->getEditor()->getValue();
        user.perform (juce::String ("enable ") + c.label);
        if (auto* combo = dynamic_cast<ComboBoxParameterComponent*> (old->getEditor()))
            combo->getComboBox().setSelectedItemIndex (1, juce::sendNotificationSync);
        else
            user.perform (juce::String ("type ") + c.label + "=9");
        user.perform ("type START=5");

        user.perform (juce::String ("pick TYPE=") + c.otherType);
        EXPECT_FALSE (aptest::findAll<AutoPopulateParameter> (*user.panel).contains (old.get()));
        user.tick ({ 0 });
        user.apply();
        user.expectOnly ({});

        user.perform (juce::String ("pick TYPE=") + c.type);
        auto& fresh = user.row (c.label);
        EXPECT_NE (&fresh, old.get());
        EXPECT_FALSE (aptest::enabledToggle (fresh).getToggleState());
        EXPECT_EQ (fresh.getEditor()->getValue(), initialValue);
        EXPECT_EQ (user.box ("START").getValue(), 0);
        user.apply();
        user.expectOnly ({});
    }
}

TEST (SubModeSwitch, PanelsGoSafelyWithNotificationsPending)
{
    for (auto kind : { Kind::pads, Kind::knobs, Kind::faders, Kind::switches })
    {
        // Gone straight after it is made, its first TYPE notification still on the way.
        PanelUser user (kind, false);
        AutoPopulateParameter::Ptr typeRow = &user.row ("TYPE");
        user.panel.reset();
        PanelUser::flush();

        // A TYPE row that outlives its panel tells nobody of a choice.
        aptest::comboOf (*typeRow).setSelectedItemIndex (1, juce::sendNotificationSync);
        EXPECT_EQ (typeRow->getParentComponent(), nullptr);
    }

    for (auto kind : { Kind::pads, Kind::switches })
    {
        // Gone with a note name still to be shown and a TYPE switch still to come.
        PanelUser user (kind);
        user.perform ("pick TYPE=NOTE");
        user.box ("START").setValue (3, juce::sendNotificationSync);
        auto& type = aptest::comboOf (user.row ("TYPE"));
        type.setSelectedItemIndex (type.getSelectedItemIndex() == 0 ? 1 : 0, juce::sendNotificationAsync);
        user.panel.reset();
        PanelUser::flush();
    }
}
