// What the engine and window tests don't reach: junk and out-of-range input, and the truncated
// reply mode.
#include "EmulatorTestFixture.h"

namespace
{
struct EmulatorTest : DeviceTest
{
    void SetUp() override
    {
        DeviceTest::SetUp();
        manager->addListener (&replies);
        openDevicePorts();
    }

    void send (const Bytes& bytes) { manager->sendMessageToAllOutputs (messageOf (bytes)); }

    // The n-th reply's bytes, waited for; empty if it never came.
    Bytes reply (size_t n)
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

// What it does not recognise is ignored: the first reply is the dump asked for.
TEST_F (EmulatorTest, IgnoresJunkAndRefusesParametersOutOfRange)
{
    const auto before = device.getPresetImage (4);
    auto shortDump = presetDump (4, Bytes (1062, 0x11));
    shortDump.erase (shortDump.begin() + 500);
    for (auto& junk : { Bytes{ 0xF0, 0xF7 }, Bytes{ 0xF0, 0x47, 0x00, 0x36, 0x12, 0x00, 0x01, 0x04, 0xF7 },
                        presetRequest (21), shortDump })
        send (junk);
    send (presetRequest (3));
    EXPECT_EQ (reply (1), presetDump (3, device.getPresetImage (3)));

    auto values = device.getGlobalParameters();
    send (parameterData (10, 5));
    send (parameterData (3, 5)); // tap average only goes to 4
    send (parameterData (8, 1)); // no such parameter
    // A count beyond the values there: the closing F7 is not taken for one.
    send ({ 0xF0, 0x47, 0x00, 0x35, 0x34, 0x00, 0x05, 0x05, 0x00, 0x09, 0x04, 0xF7 });
    send (parameterRequest);
    values[9] = 5;
    values[8] = 4;
    EXPECT_EQ (reply (2), parameterReply (values));
    EXPECT_EQ (device.getPresetImage (4), before);

    device.setReplyMode (QRX571Emulator::ReplyMode::truncated);
    send (parameterRequest);
    auto cut = parameterReply ({}); // the header and the first value, closed by F7
    cut.back() = device.getGlobalParameter (1);
    cut.push_back (0xF7);
    EXPECT_EQ (reply (3), cut);
}
