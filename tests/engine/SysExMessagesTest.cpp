// The wire format: every message byte for byte, and how incoming messages are told apart.
#include "EngineTestSupport.h"

#include "midi/SysExMessages.h"
#include "model/QRX571GlobalSettings.h"

namespace
{
const Bytes trailer{ 0x04, 0x00, 0x00, 0x04, 0x00, 0x01, 0x04, 0x00, 0x02, 0x04, 0x00, 0x03 };

class SysExMessagesTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        engine = nullptr;
        manager = nullptr;
    }

    SysExMessages::Kind kindOf (const Bytes& b) const
    {
        return messages.recognise (b.data(), static_cast<int> (b.size()));
    }

    static Bytes sized (int size, std::initializer_list<juce::uint8> start)
    {
        Bytes b ((size_t)size, 0x00);
        std::copy (start.begin(), start.end(), b.begin());
        b.back() = 0xF7;
        return b;
    }

    MidiManager::Ptr manager = new MidiManager (std::make_shared<VirtualMidiPortLayer>());
    TestEngine::Ptr engine = new TestEngine (manager);
    SysExMessages messages = engine->getSysExMessages();
};
} // namespace

TEST_F (SysExMessagesTest, PresetDumpCarriesHeaderLengthLocationImageAndTrailer)
{
    QRX571EditorPreset preset;
    preset.setName ("Dumped");
    const auto image = bytesOf (preset.getData());

    const auto dump = bytesOf (messages.presetDump (7, preset.getData()));

    ASSERT_EQ (dump.size(), 1083u);
    EXPECT_EQ (Bytes (dump.begin(), dump.begin() + 8),
               (Bytes{ 0xF0, 0x47, 0x00, 0x35, 0x10, 0x08, 0x33, 0x07 }));
    EXPECT_EQ (Bytes (dump.begin() + 8, dump.begin() + 1070), image);
    EXPECT_EQ (Bytes (dump.begin() + 1070, dump.end() - 1), trailer);
    EXPECT_EQ (dump.back(), 0xF7);
    EXPECT_EQ (bytesOf (messages.presetDumpBytes (7, preset.getData())), dump);
}

TEST_F (SysExMessagesTest, RequestsAndParameterDataAreByteExact)
{
    EXPECT_EQ (bytesOf (messages.presetRequest (0)),
               (Bytes{ 0xF0, 0x47, 0x00, 0x35, 0x12, 0x00, 0x01, 0x00, 0xF7 }));
    EXPECT_EQ (bytesOf (messages.presetRequest (20)),
               (Bytes{ 0xF0, 0x47, 0x00, 0x35, 0x12, 0x00, 0x01, 0x14, 0xF7 }));
    EXPECT_EQ (bytesOf (messages.globalParameterRequest()),
               (Bytes{ 0xF0, 0x47, 0x00, 0x35, 0x24, 0x00, 0x03, 0x0B, 0x00, 0x01, 0xF7 }));
    EXPECT_EQ (bytesOf (messages.globalParameterData (10, 5)),
               (Bytes{ 0xF0, 0x47, 0x00, 0x35, 0x34, 0x00, 0x04, 0x01, 0x00, 0x0A, 0x05, 0xF7 }));
    // The number is 14 bits, high part first.
    EXPECT_EQ (bytesOf (messages.globalParameterData (200, 1)),
               (Bytes{ 0xF0, 0x47, 0x00, 0x35, 0x34, 0x00, 0x04, 0x01, 0x01, 0x48, 0x01, 0xF7 }));
}

TEST_F (SysExMessagesTest, RecognitionComparesOnlyWhatTheRulesName)
{
    using K = SysExMessages::Kind;

    // A dump is any 1083-byte message with command 0x10, whatever its header says.
    EXPECT_EQ (kindOf (sized (1083, { 0xF0, 0x47, 0x00, 0x35, 0x10 })), K::presetDump);
    EXPECT_EQ (kindOf (sized (1083, { 0xF0, 0x00, 0x7F, 0x36, 0x10 })), K::presetDump);
    EXPECT_EQ (kindOf (sized (1082, { 0xF0, 0x47, 0x00, 0x35, 0x10 })), K::ignored);
    EXPECT_EQ (kindOf (sized (1084, { 0xF0, 0x47, 0x00, 0x35, 0x10 })), K::ignored);

    // Ten bytes with command 0x11 are an acknowledgement whatever else they hold.
    EXPECT_EQ (kindOf (sized (10, { 0xF0, 0x01, 0x02, 0x03, 0x11, 0x7F, 0x7F })), K::acknowledgement);
    EXPECT_EQ (kindOf (sized (11, { 0xF0, 0x47, 0x00, 0x35, 0x11 })), K::ignored);
    EXPECT_EQ (kindOf (sized (9, { 0xF0, 0x47, 0x00, 0x35, 0x11 })), K::ignored);

    // Parameter data needs the manufacturer, the product id and the command, never ten bytes.
    EXPECT_EQ (kindOf (sized (12, { 0xF0, 0x47, 0x55, 0x35, 0x34 })), K::globalParameterData);
    EXPECT_EQ (kindOf (sized (8, { 0xF0, 0x47, 0x00, 0x35, 0x34 })), K::globalParameterData);
    EXPECT_EQ (kindOf (sized (10, { 0xF0, 0x47, 0x00, 0x35, 0x34 })), K::ignored);
    EXPECT_EQ (kindOf (sized (12, { 0xF0, 0x48, 0x00, 0x35, 0x34 })), K::ignored);
    EXPECT_EQ (kindOf (sized (12, { 0xF0, 0x47, 0x00, 0x36, 0x34 })), K::ignored);
    EXPECT_EQ (kindOf (sized (7, { 0xF0, 0x47, 0x00, 0x35, 0x34 })), K::ignored);

    EXPECT_EQ (kindOf ({ 0xF0, 0xF7 }), K::ignored);
    EXPECT_EQ (messages.recognise (nullptr, 1083), K::ignored);
}

TEST_F (SysExMessagesTest, ParameterDataReadsPastItsValuesAsTheF7ThenZero)
{
    // Count 3 from parameter 1, but only one value before F7.
    const Bytes shortData{ 0xF0, 0x47, 0x00, 0x35, 0x34, 0x00, 0x04, 0x03, 0x00, 0x01, 0x05, 0xF7 };
    const auto read = messages.readGlobalParameterData (shortData.data(), (int)shortData.size());
    EXPECT_EQ (read, (juce::Array<juce::uint16>{ packGlobalSetting (1, 5), packGlobalSetting (2, 0xF7),
                                                 packGlobalSetting (3, 0) }));

    // Parameter numbers wrap at 8 bits; a message too short to name its first parameter reads nothing.
    const Bytes wrapping{ 0xF0, 0x47, 0x00, 0x35, 0x34, 0x00, 0x04, 0x02, 0x00, 0x7F, 0x01, 0x02, 0xF7 };
    EXPECT_EQ (messages.readGlobalParameterData (wrapping.data(), (int)wrapping.size()).size(), 2);
    EXPECT_TRUE (messages.readGlobalParameterData (shortData.data(), 9).isEmpty());

    // Through the engine: 5 lands, 247 and 0 are out of range and leave the others as they were.
    engine->handleSysExReply (shortData.data(), (int)shortData.size());
    auto settings = engine->getGlobalSettings()->getAllSettings();
    EXPECT_EQ (settings[0], packGlobalSetting (1, 5));
    EXPECT_EQ (settings[1], packGlobalSetting (2, 0));
    EXPECT_EQ (settings[2], packGlobalSetting (3, 2));
}

TEST_F (SysExMessagesTest, ImageIsWhatLiesBetweenHeaderAndTrailer)
{
    const auto dump = sized (1083, { 0xF0, 0x47, 0x00, 0x35, 0x10, 0x08, 0x33, 0x00, 0xAA });
    const auto image = messages.presetImageOf (dump.data(), (int)dump.size());
    ASSERT_EQ (image.size(), 1062);
    EXPECT_EQ (image[0], 0xAA);

    const auto longer = sized (1084, { 0xF0 });
    EXPECT_EQ (messages.presetImageOf (longer.data(), (int)longer.size()).size(), 1063);
    EXPECT_TRUE (messages.presetImageOf (longer.data(), 21).isEmpty());
    EXPECT_TRUE (messages.presetImageOf (longer.data(), 3).isEmpty());
}
