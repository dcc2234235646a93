// How incoming messages are told apart and read. (What the editor sends is checked byte for byte
// where it reaches the emulated device.)
#include "EngineTestSupport.h"

#include "midi/SysExMessages.h"
#include "model/QRX571GlobalSettings.h"

namespace
{
struct SysExMessagesTest : EngineTest
{
    SysExMessages::Kind kindOf (int size, const Bytes& start) const
    {
        Bytes b ((size_t)size, 0x00);
        std::copy (start.begin(), start.end(), b.begin());
        b.back() = 0xF7;
        return engine->getSysExMessages().recognise (b.data(), size);
    }
};
} // namespace

TEST_F (SysExMessagesTest, RecognitionComparesOnlyWhatTheRulesNameAndParameterDataReadsPastItsValues)
{
    using K = SysExMessages::Kind;
    struct Case
    {
        int size;
        Bytes start;
        K kind;
    };
    const Case cases[] = {
        // A dump is any 1083-byte message with command 0x10, whatever its header says.
        { 1083, { 0xF0, 0x00, 0x7F, 0x36, 0x10 }, K::presetDump },
        { 1082, { 0xF0, 0x47, 0x00, 0x35, 0x10 }, K::ignored },
        { 1084, { 0xF0, 0x47, 0x00, 0x35, 0x10 }, K::ignored },
        // Ten bytes with command 0x11 are an acknowledgement whatever else they hold.
        { 10, { 0xF0, 0x01, 0x02, 0x03, 0x11 }, K::acknowledgement },
        { 11, { 0xF0, 0x47, 0x00, 0x35, 0x11 }, K::ignored },
        // Parameter data needs manufacturer, product id and command, at least 8 bytes, never ten.
        { 12, { 0xF0, 0x47, 0x55, 0x35, 0x34 }, K::globalParameterData },
        { 8, { 0xF0, 0x47, 0x00, 0x35, 0x34 }, K::globalParameterData },
        { 10, { 0xF0, 0x47, 0x00, 0x35, 0x34 }, K::ignored },
        { 12, { 0xF0, 0x48, 0x00, 0x35, 0x34 }, K::ignored },
        { 12, { 0xF0, 0x47, 0x00, 0x36, 0x34 }, K::ignored },
        { 7, { 0xF0, 0x47, 0x00, 0x35, 0x34 }, K::ignored },
        { 2, { 0xF0 }, K::ignored },
    };
    for (auto& c : cases)
        EXPECT_EQ (kindOf (c.size, c.start), c.kind) << "case " << (&c - cases);

    // Count 3 from parameter 1, but only one value before F7: 5 lands, 247 and 0 are refused.
    const Bytes shortData{ 0xF0, 0x47, 0x00, 0x35, 0x34, 0x00, 0x04, 0x03, 0x00, 0x01, 0x05, 0xF7 };
    const auto messages = engine->getSysExMessages();
    EXPECT_EQ (messages.readGlobalParameterData (shortData.data(), (int)shortData.size()),
               (juce::Array<juce::uint16>{ packGlobalSetting (1, 5), packGlobalSetting (2, 0xF7),
                                           packGlobalSetting (3, 0) }));
    EXPECT_TRUE (
        messages.readGlobalParameterData (shortData.data(), 9).isEmpty()); // names no first parameter

    engine->handleSysExReply (shortData.data(), (int)shortData.size());
    const auto settings = engine->getGlobalSettings()->getAllSettings();
    EXPECT_EQ (juce::Array<juce::uint16> (settings.getRawDataPointer(), 3),
               (juce::Array<juce::uint16>{ packGlobalSetting (1, 5), packGlobalSetting (2, 0),
                                           packGlobalSetting (3, 2) }));
}
