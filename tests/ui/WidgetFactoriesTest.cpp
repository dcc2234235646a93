#include "ui/WidgetFactories.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
struct ChooserCase
{
    juce::ComboBox* (*make) (juce::ComboBox::Listener*);
    const char* caption;
    int count;
    const char* first;
    const char* last;
};
} // namespace

TEST (WidgetFactories, EveryChooserHasItsCaptionAndItems)
{
    const ChooserCase cases[] = {
        { makeMidiChannelBox, "MIDI CHANNEL", 33, "COMMON", "B16" },
        { makeCommonChannelBox, "COMMON CHANNEL", 32, "A1", "B16" },
        { makeMidiToDinBox, "MIDI TO DIN", 2, "OFF", "ON" },
        { makeTransportToDinBox, "TRANSPORT TO DIN", 2, "OFF", "ON" },
        { makeTempoLedBox, "TEMPO LED", 2, "OFF", "ON" },
        { makeNoteDisplayBox, "NOTE DISPLAY", 2, "VALUE", "NUMBER" },
        { makeLcdContrastBox, "LCD CONTRAST", 100, "0", "99" },
        { makeTapAverageBox, "TAP AVERAGE", 3, "2", "4" },
        { makeMidiClockBox, "MIDI CLOCK", 2, "INTERNAL", "EXTERNAL" },
        { makePadThresholdBox, "PAD THRESHOLD", 10, "1", "10" },
        { makePadCurveBox, "PAD CURVE", 6, "LINEAR", "EXP 2" },
        { makePadGainBox, "PAD GAIN", 21, "0", "20" },
        { makePadTypeBox, "TYPE", 3, "NOTE", "PROGRAM BANK" },
        { makeOnColorBox, "ON COLOR", 17, "OFF", "GREY" },
        { makeOffColorBox, "OFF COLOR", 17, "OFF", "GREY" },
        { makeTriggerModeBox, "TRIGGER MODE", 2, "MOMENTARY", "TOGGLE" },
        { makeAftertouchBox, "AFTERTOUCH", 3, "OFF", "POLY" },
        { makeSwitchTypeBox, "TYPE", 5, "CC", "KEY STROKE" },
        { makeKnobTypeBox, "TYPE", 4, "CC", "INC/DEC 2" },
        { makeFaderTypeBox, "TYPE", 2, "CC", "AFTERTOUCH" },
        { makeKey1Box, "KEY 1", 82, "1", "NUM 0" },
        { makeKey2Box, "KEY 2", 14, "<None>", "CTRL + SHIFT + OPT" },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.caption);
        std::unique_ptr<juce::ComboBox> box (c.make (nullptr));
        EXPECT_EQ (box->getName(), c.caption);
        ASSERT_EQ (box->getNumItems(), c.count);
        EXPECT_EQ (box->getItemText (box->indexOfItemId (1)), c.first);
        EXPECT_EQ (box->getItemText (box->indexOfItemId (c.count)), c.last);
        EXPECT_EQ (box->getSelectedId(), 0);
    }
}

TEST (WidgetFactories, ListsKeepEveryTextAndIdAndEmptyListsHoldNothing)
{
    const auto itemsOf = [] (juce::ComboBox* (*make) (juce::ComboBox::Listener*))
    {
        std::unique_ptr<juce::ComboBox> box (make (nullptr));
        juce::StringArray items;
        for (int id = 1; id <= box->getNumItems(); ++id)
            items.add (box->getItemText (box->indexOfItemId (id)));
        return items.joinIntoString ("|");
    };
    EXPECT_TRUE (itemsOf (makeMidiChannelBox).startsWith ("COMMON|A1|A2|"));
    EXPECT_TRUE (itemsOf (makeMidiChannelBox).contains ("|A16|B1|"));
    EXPECT_EQ (itemsOf (makeOffColorBox), "OFF|RED|ORANGE|AMBER|YELLOW|GREEN|GREEN BLUE|AQUA|LIGHT BLUE|BLUE|"
                                          "PURPLE|PINK|HOT PINK|LIGHT PURPLE|LIGHT GREEN|LIGHT PINK|GREY");
    EXPECT_EQ (itemsOf (makeKey1Box)
                   .fromFirstOccurrenceOf ("|9|", false, false)
                   .upToFirstOccurrenceOf ("|F1|", false, false),
               "0|A|B|C|D|E|F|G|H|I|J|K|L|M|N|O|P|Q|R|S|T|U|V|W|X|Y|Z");
    EXPECT_EQ (itemsOf (makeKey1Box).fromFirstOccurrenceOf ("|F11|", false, false),
               "F12|BACKSPACE|RETURN|Up Arrow|Down Arrow|Left Arrow|Right "
               "Arrow|Tab|,|.|/|[|]|\\|`|;|-|=|ESC|INSERT|HOME|"
               "PAGE UP|DELETE|END|PAGE DOWN|NUM 1|NUM 2|NUM 3|NUM 4|NUM 5|NUM 6|NUM 7|NUM 8|NUM 9|NUM 0");
    EXPECT_EQ (itemsOf (makeKey2Box),
               "<None>|CTRL|SHIFT|ALT|OPTION|CTRL + SHIFT|CTRL + ALT|CTRL + OPTION|SHIFT + ALT|"
               "SHIFT + OPTION|ALT + OPTION|CTRL + ALT + OPT|CTRL + SHIFT + ALT|CTRL + SHIFT + OPT");
    EXPECT_EQ (itemsOf (makePadCurveBox), "LINEAR|S-CURVE|LOG 1|LOG 2|EXP 1|EXP 2");

    std::unique_ptr<juce::ComboBox> empty (makeComboBox ("EMPTY", {}, nullptr));
    EXPECT_EQ (empty->getNumItems() + empty->getSelectedId(), 0);
}

TEST (WidgetFactories, NumberBoxesHoldOneByteUnderTheirCaption)
{
    juce::StringArray captions;
    for (auto make :
         { makeMidiCcBox, makeMidiNoteBox, makeMinBox, makeMaxBox, makeProgramNumberBox, makeProgramMsbBox,
           makeProgramLsbBox, makeVelocityBox, makeNrpnMsbBox, makeNrpnLsbBox, makeValueBox })
    {
        std::unique_ptr<NumberBoxComponent<int>> box (make (nullptr));
        captions.add (box->getName());
        EXPECT_EQ (box->getText() + "-" + juce::String (box->getMaximum()), "0-127") << box->getName();
    }
    EXPECT_EQ (captions.joinIntoString ("|"),
               "MIDI CC|MIDI NOTE|MIN|MAX|PROGRAM NUMBER|PROGRAM MSB|PROGRAM LSB|"
               "VELOCITY|NRPN MSB|NRPN LSB|VALUE");
}
