#include "EmulatorTestFixture.h"
#include "model/QRX571EditorPreset.h"

namespace
{
class EmulatorTest : public DeviceTest
{
protected:
    void SetUp() override
    {
        DeviceTest::SetUp();
        manager->addListener (&replies);
        openDevicePorts();
    }

    void send (const Bytes& bytes) { manager->sendMessageToAllOutputs (messageOf (bytes)); }

    // The n-th reply's bytes, waited for; empty if it never came.
    Bytes reply (size_t n = 1)
    {
        if (! testutil::runLoopUntil ([&] { return replies.numMessages() >= n; }, 3000))
            return {};
        return bytesOf (replies.getMessages()[n - 1].second);
    }

    Bytes parameterReply (const Bytes& values)
    {
        return concat ({ { 0xF0, 0x47, 0x00, 0x35, 0x34, 0x00, 0x0E, 0x0B, 0x00, 0x01 }, values, { 0xF7 } });
    }

    RecordingMidiListener replies;
};
} // namespace

// (That the editor takes its global settings as they are is shown by the engine's round trip.)
TEST_F (EmulatorTest, StartsWithDistinctPresetsTheEditorAccepts)
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
    EXPECT_EQ (names[0] + names[20], "RAM     Slot 20 ");
}

// What it does not recognise is ignored: the first reply is the dump.
TEST_F (EmulatorTest, ExchangesEveryMessageKindByteForByteAndIgnoresTheRest)
{
    const auto before = device.getPresetImage (4);
    auto shortDump = presetDump (4, Bytes (1062, 0x11));
    shortDump.erase (shortDump.begin() + 500);
    for (auto& junk : { Bytes{ 0xF0, 0xF7 }, Bytes{ 0xF0, 0x47, 0x00, 0x36, 0x12, 0x00, 0x01, 0x04, 0xF7 },
                        presetRequest (21), shortDump })
        send (junk);
    send (presetRequest (3));
    EXPECT_EQ (reply (1), presetDump (3, device.getPresetImage (3)));
    EXPECT_EQ (juce::String ((const char*)reply (1).data() + 8, 8), "Slot 03 ");

    auto image = device.getPresetImage (0);
    std::fill_n (image.begin(), 8, 'Z');
    send (presetDump (7, image));
    EXPECT_EQ (reply (2), (Bytes{ 0xF0, 0x47, 0x00, 0x35, 0x11, 0x00, 0x02, 0x07, 0x00, 0xF7 }));
    EXPECT_EQ (device.getPresetImage (7), image);

    auto values = device.getGlobalParameters();
    send (parameterRequest);
    EXPECT_EQ (reply (3), parameterReply (values));

    send (parameterData (10, 5));
    send (parameterData (3, 5)); // tap average only goes to 4
    send (parameterData (8, 1)); // no such parameter
    // A count beyond the values there: the closing F7 is not taken for one.
    send ({ 0xF0, 0x47, 0x00, 0x35, 0x34, 0x00, 0x05, 0x05, 0x00, 0x09, 0x04, 0xF7 });
    send (parameterRequest);
    values[9] = 5;
    values[8] = 4;
    EXPECT_EQ (reply (4), parameterReply (values));
    EXPECT_EQ (device.getPresetImage (4), before);
}

TEST_F (EmulatorTest, AnswersNeverLateTwiceGarbledOrTruncatedWhenToldTo)
{
    device.setReplyMode (QRX571Emulator::ReplyMode::never);
    send (presetDump (9, device.getPresetImage (2)));
    ASSERT_TRUE (settled());
    EXPECT_EQ (device.getPresetImage (9), device.getPresetImage (2)) << "still stored";

    device.setReplyMode (QRX571Emulator::ReplyMode::normal);
    device.setReplyDelay (300);
    device.setSendsExtraAcknowledgement (true);
    const auto sentAt = juce::Time::getMillisecondCounterHiRes();
    send (presetDump (0, device.getPresetImage (1)));
    testutil::runLoopFor (150);
    EXPECT_EQ (replies.numMessages(), 0u);
    ASSERT_EQ (reply (2).size(), 10u);
    EXPECT_EQ (reply (1), reply (2));
    EXPECT_GE (juce::Time::getMillisecondCounterHiRes() - sentAt, 300.0);

    device.setReplyDelay (0);
    device.setReplyMode (QRX571Emulator::ReplyMode::garbled);
    send (presetRequest (5));
    const auto garbled = reply (3);
    ASSERT_EQ (garbled.size(), 1083u);
    EXPECT_EQ (Bytes (garbled.begin(), garbled.begin() + 5), (Bytes{ 0xF0, 0x47, 0x00, 0x35, 0x10 }));
    EXPECT_NE (Bytes (garbled.begin() + 8, garbled.begin() + 1070), device.getPresetImage (5));

    device.setReplyMode (QRX571Emulator::ReplyMode::truncated);
    send (parameterRequest);
    auto cut = parameterReply ({}); // the header and the first value, closed by F7
    cut.back() = device.getGlobalParameter (1);
    cut.push_back (0xF7);
    EXPECT_EQ (reply (4), cut);
}

TEST_F (EmulatorTest, VanishesAndComesBackDroppingAnswersDue)
{
    device.setReplyDelay (200);
    send (presetRequest (0));
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return device.getNumReceived() == 1; }));

    device.unplug();
    ASSERT_TRUE (
        testutil::runLoopUntil ([&] { return replies.inputLost.size() + replies.outputLost.size() == 2; }));
    device.plugIn();
    ASSERT_TRUE (
        testutil::runLoopUntil ([&] { return replies.inputBack.size() + replies.outputBack.size() == 2; }));
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
}

// Towards the device too: dumps sent back to back take their turns on the wire.
TEST_F (EmulatorTest, DinPacingQueuesMessagesSentToTheDeviceOnTheWire)
{
    device.setDinPacing (true);
    const auto sentAt = juce::Time::getMillisecondCounterHiRes();
    for (int location : { 1, 2 })
        send (presetDump (location, device.getPresetImage (location)));
    ASSERT_EQ (reply (2).size(), 10u);
    EXPECT_GE (juce::Time::getMillisecondCounterHiRes() - sentAt, (2 * 1083 + 10) * 0.320);
}
