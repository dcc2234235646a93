// The engine against the emulated device over the in-process ports.
#include "EngineTestSupport.h"

#include "model/QRX571GlobalSettings.h"

namespace
{
const Bytes acknowledgement{ 0xF0, 0x47, 0x00, 0x35, 0x11, 0x00, 0x00, 0x00, 0x00, 0xF7 };

Bytes dumpFromDevice (int location, const Bytes& image)
{
    Bytes b;
    b.reserve (QRX571EditorEngine::dumpMessageSize);
    for (juce::uint8 h : { 0xF0, 0x47, 0x00, 0x35, 0x10, 0x08, 0x33 })
        b.push_back (h);
    b.push_back (static_cast<juce::uint8> (location));
    for (auto byte : image)
        b.push_back (byte);
    for (juce::uint8 t : { 0x04, 0x00, 0x00, 0x04, 0x00, 0x01, 0x04, 0x00, 0x02, 0x04, 0x00, 0x03 })
        b.push_back (t);
    b.push_back (0xF7);
    return b;
}
} // namespace

TEST_F (EngineTest, SendIsAcknowledgedAndStoredWithNoTimeOutAfter)
{
    openDevicePorts();
    auto preset = namedPreset ("Hello");

    engine->sendPreset (3, preset);

    ASSERT_TRUE (waitForResults (1));
    EXPECT_EQ (results[0].kind, EngineResult::send);
    EXPECT_EQ (results[0].code, 2);
    EXPECT_EQ (results[0].preset.get(), preset.get());
    EXPECT_EQ (Bytes (device.getPresetImage (3)), bytesOf (preset->getData()));

    testutil::runLoopFor (shortTimeoutMs * 3);
    EXPECT_EQ (results.size(), 1u);
}

TEST_F (EngineTest, RequestLoadsTheDeviceDumpIntoThePreset)
{
    openDevicePorts();
    auto preset = namedPreset ("Mine");

    engine->requestPreset (5, preset);

    ASSERT_TRUE (waitForResults (1));
    EXPECT_EQ (results[0].kind, EngineResult::request);
    EXPECT_EQ (results[0].code, 2);
    EXPECT_EQ (preset->getName(), "Slot 05 ");
    // Reserved bytes read back as 0, so compare with the device's image as a preset reads it.
    const auto deviceImage = device.getPresetImage (5);
    QRX571EditorPreset::Ptr expected = new QRX571EditorPreset();
    ASSERT_TRUE (
        expected->setFromData (juce::Array<juce::uint8> (deviceImage.data(), (int)deviceImage.size())));
    EXPECT_EQ (preset->getData(), expected->getData());

    testutil::runLoopFor (shortTimeoutMs * 3);
    EXPECT_EQ (results.size(), 1u);
}

TEST_F (EngineTest, NoPortsGiveResultZeroAndSendNothing)
{
    auto preset = namedPreset ("Lonely");

    engine->sendPreset (0, preset);
    engine->requestPreset (0, preset);
    EXPECT_TRUE (results.empty()) << "results are never delivered before the caller returns";

    ASSERT_TRUE (waitForResults (2));
    EXPECT_EQ (results[0].kind, EngineResult::send);
    EXPECT_EQ (results[0].code, 0);
    EXPECT_EQ (results[0].preset.get(), preset.get());
    EXPECT_EQ (results[1].kind, EngineResult::request);
    EXPECT_EQ (results[1].code, 0);

    // With an input but no output a request is made but can't leave, so it times out.
    manager->openInputDevice (QRX571Emulator::portName);
    engine->requestPreset (0, preset);
    ASSERT_TRUE (waitForResults (3));
    EXPECT_EQ (results[2].code, 1);

    ASSERT_TRUE (settled());
    EXPECT_EQ (device.getNumReceived(), 0);
    EXPECT_EQ (preset->getName(), "Lonely");
}

TEST_F (EngineTest, SilentDeviceTimesOutAfterTheRealThreeSeconds)
{
    useProductTimeOuts();
    openDevicePorts();
    device.setReplyMode (QRX571Emulator::ReplyMode::never);
    auto preset = namedPreset ("Waiting");
    const auto before = preset->getData();

    const auto start = juce::Time::getMillisecondCounterHiRes();
    engine->requestPreset (7, preset);

    ASSERT_TRUE (waitForResults (1, 5000));
    const auto elapsed = results[0].atMs - start;
    EXPECT_EQ (results[0].kind, EngineResult::request);
    EXPECT_EQ (results[0].code, 1);
    EXPECT_GE (elapsed, 2950.0);
    EXPECT_LT (elapsed, 3600.0);
    EXPECT_EQ (preset->getData(), before);
}

TEST_F (EngineTest, TwoUnansweredSendsShareOneTimeOutAndOnlyTheFirstIsRetired)
{
    useProductTimeOuts();
    openDevicePorts();
    openInjector();
    device.setReplyMode (QRX571Emulator::ReplyMode::never);
    auto first = namedPreset ("First");
    auto second = namedPreset ("Second");

    const auto start = juce::Time::getMillisecondCounterHiRes();
    engine->sendPreset (1, first);
    testutil::runLoopFor (1000);
    const auto secondAt = juce::Time::getMillisecondCounterHiRes();
    engine->sendPreset (2, second);

    ASSERT_TRUE (waitForResults (1, 5000));
    const auto elapsed = results[0].atMs - start;
    EXPECT_EQ (results[0].preset.get(), first.get());
    EXPECT_EQ (results[0].code, 1);
    // The system timer may fire a few tens of ms early after a restart.
    EXPECT_GE (results[0].atMs - secondAt, 2900.0);
    EXPECT_GE (elapsed, 3900.0);
    EXPECT_LT (elapsed, 4600.0);

    testutil::runLoopFor (500);
    ASSERT_EQ (results.size(), 1u);

    // The second send is still waiting: the next acknowledgement is its.
    inject (acknowledgement);
    ASSERT_TRUE (waitForResults (2));
    EXPECT_EQ (results[1].preset.get(), second.get());
    EXPECT_EQ (results[1].code, 2);
}

TEST_F (EngineTest, UnexpectedRepliesAreDroppedOrReportedAsTheyShould)
{
    openDevicePorts();
    openInjector();
    auto preset = namedPreset ("Kept");
    const auto before = preset->getData();

    // A dump with no request waiting is ignored, and does not satisfy a later request.
    inject (dumpFromDevice (0, device.getPresetImage (4)));
    testutil::runLoopFor (100);
    EXPECT_TRUE (results.empty());

    // An acknowledgement with no send waiting still reports success, with no preset.
    inject (acknowledgement);
    ASSERT_TRUE (waitForResults (1));
    EXPECT_EQ (results[0].kind, EngineResult::send);
    EXPECT_EQ (results[0].code, 2);
    EXPECT_EQ (results[0].preset, nullptr);

    // A dump whose image is bad (a name byte of 0x80) loads nothing; the request times out.
    device.setReplyMode (QRX571Emulator::ReplyMode::never);
    engine->requestPreset (4, preset);
    auto bad = device.getPresetImage (4);
    bad[0] = 0x80;
    inject (dumpFromDevice (4, bad));
    ASSERT_TRUE (waitForResults (2));
    EXPECT_EQ (results[1].kind, EngineResult::request);
    EXPECT_EQ (results[1].code, 1);
    EXPECT_EQ (preset->getData(), before);
}

TEST_F (EngineTest, MisbehavingDeviceNeverCorruptsAPreset)
{
    openDevicePorts();
    auto preset = namedPreset ("Intact");
    const auto before = preset->getData();

    for (auto mode : { QRX571Emulator::ReplyMode::garbled, QRX571Emulator::ReplyMode::truncated })
    {
        results.clear();
        device.setReplyMode (mode);
        engine->requestPreset (2, preset);
        ASSERT_TRUE (waitForResults (1));
        EXPECT_EQ (results[0].code, 1);
        EXPECT_EQ (preset->getData(), before);
    }

    // A second acknowledgement for one send is reported without a preset.
    results.clear();
    device.setReplyMode (QRX571Emulator::ReplyMode::normal);
    device.setSendsExtraAcknowledgement (true);
    engine->sendPreset (0, preset);
    ASSERT_TRUE (waitForResults (2));
    EXPECT_EQ (results[0].preset.get(), preset.get());
    EXPECT_EQ (results[1].preset, nullptr);
    EXPECT_EQ (results[1].code, 2);
}

TEST_F (EngineTest, ResultsReachListenersOnTheMessageThreadNewestFirst)
{
    std::vector<EngineResult> log;
    RecordingEngineListener older (log, 1), newer (log, 2);
    engine->removeListener (&listener);
    engine->addListener (&older);
    engine->addListener (&newer);
    engine->addListener (&older); // once only
    engine->addListener (nullptr);
    openDevicePorts();

    engine->sendPreset (0, namedPreset ("Order"));
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return log.size() >= 2; }));
    testutil::runLoopFor (50);

    ASSERT_EQ (log.size(), 2u);
    EXPECT_EQ (log[0].listenerTag, 2);
    EXPECT_EQ (log[1].listenerTag, 1);
    for (auto& r : log)
        EXPECT_TRUE (r.onMessageThread);

    engine->removeListener (&newer);
    engine->requestPreset (1, namedPreset ("X"));
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return log.size() >= 3; }));
    EXPECT_EQ (log[2].listenerTag, 1);
    engine->removeListener (&older);
}

TEST_F (EngineTest, GlobalSettingsRoundTripThroughTheDevice)
{
    openDevicePorts();
    auto* settings = dynamic_cast<QRX571GlobalSettings*> (engine->getGlobalSettings().get());
    ASSERT_NE (settings, nullptr);
    EXPECT_EQ (engine->getGlobalSettings().get(), settings) << "made once and kept";
    EXPECT_NE (engine->createGlobalSettings().get(), engine->createGlobalSettings().get());

    auto deviceValues = [this]
    {
        juce::Array<juce::uint16> packed;
        for (int number : { 1, 2, 3, 4, 5, 6, 7, 9, 10, 11 })
            packed.add (packGlobalSetting (number, device.getGlobalParameter (number)));
        return packed;
    };

    engine->requestGlobalSettings();
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return settings->getAllSettings() == deviceValues(); }));
    EXPECT_TRUE (results.empty()) << "the global parameters post no result";

    QRX571GlobalSettings::Ptr edited = new QRX571GlobalSettings();
    edited->setCommonChannel (17, 0);
    edited->setScreenContrast (42, 0);
    edited->setTapAverage (4, 0);
    edited->setPadGain (20, 0);
    edited->setNoteType (7, 0);
    device.clearReceived();

    engine->sendGlobalSettingChanges (edited);
    ASSERT_TRUE (settled());
    EXPECT_EQ (deviceValues(), edited->getAllSettings());
    ASSERT_TRUE (
        testutil::runLoopUntil ([&] { return settings->getAllSettings() == edited->getAllSettings(); }));

    // Ten data messages of 12 bytes, each followed by an 11-byte request for all parameters.
    const auto received = device.getReceivedMessages();
    ASSERT_EQ (received.size(), 20u);
    const auto all = edited->getAllSettings();
    for (int i = 0; i < 10; ++i)
    {
        const auto data = bytesOf (received[(size_t)(2 * i)]);
        const auto request = bytesOf (received[(size_t)(2 * i + 1)]);
        const juce::uint8 number = all[i] & 0xff, value = all[i] >> 8;
        EXPECT_EQ (data,
                   (Bytes{ 0xF0, 0x47, 0x00, 0x35, 0x34, 0x00, 0x04, 0x01, 0x00, number, value, 0xF7 }));
        EXPECT_EQ (request, (Bytes{ 0xF0, 0x47, 0x00, 0x35, 0x24, 0x00, 0x03, 0x0B, 0x00, 0x01, 0xF7 }));
    }

    engine->sendGlobalSettingChanges (nullptr);
    ASSERT_TRUE (settled());
    EXPECT_EQ (device.getReceivedMessages().size(), 20u);
}

TEST_F (EngineTest, VanishingDeviceLeavesRequestsToTimeOut)
{
    openDevicePorts();
    auto preset = namedPreset ("Gone");
    const auto before = preset->getData();

    device.setReplyDelay (200);
    engine->requestPreset (1, preset);
    device.unplug();
    ASSERT_TRUE (waitForResults (1));
    EXPECT_EQ (results[0].code, 1);
    EXPECT_EQ (preset->getData(), before);

    ASSERT_TRUE (testutil::runLoopUntil ([&] { return manager->getNumOpenOutputs() == 0; }));
    engine->sendPreset (0, preset);
    ASSERT_TRUE (waitForResults (2));
    EXPECT_EQ (results[1].code, 0);

    device.setReplyDelay (0);
    device.plugIn();
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return manager->getNumOpenOutputs() == 1; }));
    engine->requestPreset (1, preset);
    ASSERT_TRUE (waitForResults (3));
    EXPECT_EQ (results[2].code, 2);
    EXPECT_EQ (preset->getName(), "Slot 01 ");
}

TEST_F (EngineTest, DestroyedEngineHearsNothingMore)
{
    openDevicePorts();
    openInjector();
    engine->sendPreset (0, namedPreset ("Bye"));
    engine = nullptr; // its result was still to come
    ASSERT_TRUE (settled());

    // A new engine on the same manager gets only what arrives after it was made.
    TestEngine::Ptr next = new TestEngine (manager);
    next->setReplyTimeout (shortTimeoutMs);
    next->addListener (&listener);
    ASSERT_TRUE (settled());
    testutil::runLoopFor (100);
    EXPECT_TRUE (results.empty());

    for (int i = 0; i < 50; ++i)
        inject (acknowledgement);
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return results.size() == 50; }));
    for (auto& r : results)
        EXPECT_EQ (r.preset, nullptr);
}
