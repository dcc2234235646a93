#include "EmulatorTestFixture.h"
#include "model/QRX571EditorPreset.h"
#include "model/QRX571GlobalSettings.h"

TEST_F (EmulatorTest, StartsWithValidDistinctPresetsAndSettingsTheEditorAccepts)
{
    juce::StringArray names;

    for (int location = 0; location < QRX571Emulator::numLocations; ++location)
    {
        const auto image = device.getPresetImage (location);
        QRX571EditorPreset::Ptr preset = new QRX571EditorPreset();
        ASSERT_TRUE (preset->setFromData (juce::Array<juce::uint8> (image.data(), (int)image.size())))
            << location;
        names.addIfNotAlreadyThere (preset->getName());
    }

    EXPECT_EQ (names.size(), 21);
    EXPECT_EQ (names[0], "RAM     ");
    EXPECT_EQ (names[20], "Slot 20 ");

    const auto values = device.getGlobalParameters();
    QRX571GlobalSettings::Ptr settings = new QRX571GlobalSettings(), fresh = new QRX571GlobalSettings();
    for (int number = 1; number <= 11; ++number)
        settings->setSetting ((juce::uint16) (number | values[(size_t)number - 1] << 8), 0);

    for (auto packed : settings->getAllSettings())
        EXPECT_EQ (packed >> 8, values[(size_t)(packed & 0xFF) - 1])
            << "refused parameter " << (packed & 0xFF);
    EXPECT_NE (settings->getAllSettings(), fresh->getAllSettings());
}

TEST_F (EmulatorTest, ExchangesEveryMessageKindByteForByte)
{
    send (presetRequest (3));
    EXPECT_EQ (reply (1), presetDump (3, device.getPresetImage (3)));
    EXPECT_EQ (juce::String ((const char*)reply (1).data() + 8, 8), "Slot 03 ");

    auto image = device.getPresetImage (0);
    std::fill_n (image.begin(), 8, 'Z');
    send (presetDump (7, image));
    EXPECT_EQ (reply (2), (Bytes{ 0xF0, 0x47, 0x00, 0x35, 0x11, 0x00, 0x02, 0x07, 0x00, 0xF7 }));
    EXPECT_EQ (device.getPresetImage (7), image);

    const auto values = device.getGlobalParameters();
    send (parameterRequest);
    EXPECT_EQ (reply (3), concat ({ parameterReplyHeader, values, { 0xF7 } }));

    send (parameterData (10, 5));
    send (parameterData (3, 5)); // tap average only goes to 4
    send (parameterData (8, 1)); // no such parameter
    send (parameterRequest);
    auto expected = values;
    expected[9] = 5;
    EXPECT_EQ (reply (4), concat ({ parameterReplyHeader, expected, { 0xF7 } }));
    EXPECT_EQ (device.getNumReceived(), 7);
}

TEST_F (EmulatorTest, ReadsOnlyTheParameterValuesPresent)
{
    // A count larger than the values there: the closing F7 is not taken as a value.
    send ({ 0xF0, 0x47, 0x00, 0x35, 0x34, 0x00, 0x05, 0x05, 0x00, 0x09, 0x04, 0xF7 });
    ASSERT_TRUE (settled());
    EXPECT_EQ (device.getGlobalParameter (9), 4);
    EXPECT_EQ (device.getGlobalParameter (10), 10);
}

TEST_F (EmulatorTest, IgnoresWhatItDoesNotRecognise)
{
    const auto before = device.getPresetImage (4);
    auto shortDump = presetDump (4, Bytes (1062, 0x11));
    shortDump.erase (shortDump.begin() + 500);

    for (auto& junk : { Bytes{ 0xF0, 0xF7 }, Bytes{ 0xF0, 0x47, 0x00, 0x36, 0x12, 0x00, 0x01, 0x04, 0xF7 },
                        presetRequest (21), shortDump })
        send (junk);
    ASSERT_TRUE (settled());

    EXPECT_EQ (replies.numMessages(), 0u);
    EXPECT_EQ (device.getPresetImage (4), before);
}

//==============================================================================
TEST_F (EmulatorTest, AnswersLateOrNeverWhenToldTo)
{
    device.setReplyMode (QRX571Emulator::ReplyMode::never);
    send (presetDump (9, device.getPresetImage (2)));
    ASSERT_TRUE (settled());
    EXPECT_EQ (device.getPresetImage (9), device.getPresetImage (2)) << "still stored";

    device.setReplyMode (QRX571Emulator::ReplyMode::normal);
    device.setReplyDelay (300);
    const auto sentAt = juce::Time::getMillisecondCounterHiRes();
    send (presetRequest (1));
    testutil::runLoopFor (150);
    EXPECT_EQ (replies.numMessages(), 0u);
    EXPECT_EQ (reply().size(), 1083u);
    EXPECT_GE (juce::Time::getMillisecondCounterHiRes() - sentAt, 300.0);
}

TEST_F (EmulatorTest, GarblesOrTruncatesRepliesWhenToldTo)
{
    device.setReplyMode (QRX571Emulator::ReplyMode::garbled);
    send (presetRequest (5));
    const auto garbled = reply (1);
    ASSERT_EQ (garbled.size(), 1083u);
    EXPECT_EQ (Bytes (garbled.begin(), garbled.begin() + 5), (Bytes{ 0xF0, 0x47, 0x00, 0x35, 0x10 }));
    EXPECT_NE (Bytes (garbled.begin() + 8, garbled.begin() + 1070), device.getPresetImage (5));

    device.setReplyMode (QRX571Emulator::ReplyMode::truncated);
    send (parameterRequest);
    EXPECT_EQ (reply (2), concat ({ parameterReplyHeader, { device.getGlobalParameter (1), 0xF7 } }));
}

TEST_F (EmulatorTest, CanAcknowledgeTwice)
{
    device.setSendsExtraAcknowledgement (true);
    send (presetDump (0, device.getPresetImage (1)));
    ASSERT_EQ (reply (2).size(), 10u);
    EXPECT_EQ (reply (2), reply (1));
}

TEST_F (EmulatorTest, VanishesAndComesBackDroppingAnswersDue)
{
    device.setReplyDelay (200);
    send (presetRequest (0));
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return device.getNumReceived() == 1; }));

    device.unplug();
    ASSERT_TRUE (testutil::runLoopUntil (
        [&] { return replies.inputLost.size() == 1 && replies.outputLost.size() == 1; }, 1000));
    device.plugIn();
    ASSERT_TRUE (testutil::runLoopUntil (
        [&] { return replies.inputBack.size() == 1 && replies.outputBack.size() == 1; }, 1000));
    testutil::runLoopFor (300);
    EXPECT_EQ (replies.numMessages(), 0u);

    send (presetRequest (0));
    EXPECT_EQ (reply().size(), 1083u);
}

TEST_F (EmulatorTest, DinPacingTakesTheWireTimeOfEveryByte)
{
    device.setDinPacing (true);
    const auto sentAt = juce::Time::getMillisecondCounterHiRes();
    send (presetRequest (0));
    ASSERT_EQ (reply().size(), 1083u);
    const auto elapsed = juce::Time::getMillisecondCounterHiRes() - sentAt;

    EXPECT_GE (elapsed, 1083 * 0.320);
    EXPECT_LT (elapsed, 2000.0);
    RecordProperty ("dumpOverDinMs", juce::String (elapsed, 1).toStdString());
}
