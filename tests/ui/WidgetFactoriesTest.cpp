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

TEST (WidgetFactories, ChannelIdsEmptyListsAndNullListeners)
{
    std::unique_ptr<juce::ComboBox> channel (makeMidiChannelBox (nullptr));
    EXPECT_EQ (channel->getItemText (channel->indexOfItemId (17)), "A16");
    EXPECT_EQ (channel->getItemText (channel->indexOfItemId (18)), "B1");
    channel->setSelectedId (33, juce::sendNotificationSync);
    EXPECT_EQ (channel->getText(), "B16");

    std::unique_ptr<juce::ComboBox> empty (makeComboBox ("EMPTY", {}, nullptr));
    EXPECT_EQ (empty->getNumItems() + empty->getSelectedId(), 0);
}

TEST (WidgetFactories, NumberBoxesHoldOneByteUnderTheirCaption)
{
    const std::pair<NumberBoxComponent<int>* (*)(NumberBoxComponent<int>::Listener*), const char*> cases[] = {
        { makeMidiCcBox, "MIDI CC" },
        { makeMidiNoteBox, "MIDI NOTE" },
        { makeMinBox, "MIN" },
        { makeMaxBox, "MAX" },
        { makeProgramNumberBox, "PROGRAM NUMBER" },
        { makeProgramMsbBox, "PROGRAM MSB" },
        { makeProgramLsbBox, "PROGRAM LSB" },
        { makeVelocityBox, "VELOCITY" },
        { makeNrpnMsbBox, "NRPN MSB" },
        { makeNrpnLsbBox, "NRPN LSB" },
        { makeValueBox, "VALUE" },
    };

    for (const auto& [make, caption] : cases)
    {
        SCOPED_TRACE (caption);
        std::unique_ptr<NumberBoxComponent<int>> box (make (nullptr));
        EXPECT_EQ (box->getName(), caption);
        EXPECT_EQ (box->getText(), "0");
        box->setValue (127, juce::sendNotificationSync);
        box->setValue (128, juce::sendNotificationSync);
        EXPECT_EQ (box->getValue(), 127);
    }
}
