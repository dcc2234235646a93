// The engine against the emulated device over the in-process ports.
#include "EngineTestSupport.h"

#include "model/QRX571GlobalSettings.h"

// Also: a listener taken off hears no more. (What the device receives, byte for byte, is checked
// through the Send Preset and Load From Hardware windows.)
TEST_F (EngineTest, SendAndRequestSucceedWithNoTimeOutAfter)
{
    RecordingEngineListener removed;
    engine->addListener (&removed);
    openDevicePorts();
    auto sent = namedPreset ("Hello"), fetched = namedPreset ("Mine");
    sent->getPad (9)->setParameterValue ("MIDI Note", juce::Value (99));

    engine->sendPreset (3, sent);
    ASSERT_TRUE (waitForResults (1));
    engine->removeListener (&removed);
    engine->requestPreset (3, fetched);
    ASSERT_TRUE (waitForResults (2));
    testutil::runLoopFor (shortTimeoutMs * 3);

    EXPECT_EQ (results.outcomes, (Outcomes{ { 's', 2, sent.get() }, { 'r', 2, nullptr } }));
    EXPECT_EQ (removed.outcomes.size(), 1u);
    EXPECT_EQ (fetched->getData(), sent->getData());
}

TEST_F (EngineTest, NoPortsGiveResultZeroAndSendNothing)
{
    auto preset = namedPreset ("Lonely");
    engine->sendPreset (0, preset);
    engine->requestPreset (0, preset);
    EXPECT_TRUE (results.outcomes.empty()) << "results are never delivered before the caller returns";
    ASSERT_TRUE (waitForResults (2));

    // With an input but no output a request is made but can't leave, so it times out.
    manager->openInputDevice (QRX571Emulator::portName);
    engine->requestPreset (0, preset);
    ASSERT_TRUE (waitForResults (3));
    EXPECT_EQ (results.outcomes,
               (Outcomes{ { 's', 0, preset.get() }, { 'r', 0, nullptr }, { 'r', 1, nullptr } }));
    ASSERT_TRUE (settled());
    EXPECT_EQ (device.getNumReceived(), 0);
}

// The device's own time-outs: a request unanswered for 3000 ms after the one before it was
// answered, and sends 1000 ms apart sharing one timer, so that only the first is retired, at
// 4000 ms. Each send retired, by time-out or acknowledgement, gives those left a full wait.
TEST_F (EngineTest, SilentDeviceTimesOutAfterTheRealThreeSeconds)
{
    makeEngine (0);
    openDevicePorts();
    device.setReplyMode (QRX571Emulator::ReplyMode::never);
    auto first = namedPreset ("First"), second = namedPreset ("Second"), third = namedPreset ("Third");
    auto answered = namedPreset ("Answered"), asked = namedPreset ("Asked");
    const auto before = asked->getData();
    auto now = [] { return juce::Time::getMillisecondCounterHiRes(); };

    const auto start = now();
    engine->sendPreset (1, first);
    engine->requestPreset (3, answered);
    engine->requestPreset (7, asked);
    inject (presetDump (3, device.getPresetImage (3)));
    testutil::runLoopFor (1000);
    const auto secondAt = now();
    engine->sendPreset (2, second);
    engine->sendPreset (3, third);
    ASSERT_TRUE (waitForResults (3, 6000));
    testutil::runLoopFor (500);
    const auto acknowledgedAt = now();
    inject (acknowledgement); // the second send's
    ASSERT_TRUE (waitForResults (5, 6000));

    EXPECT_EQ (results.outcomes, (Outcomes{ { 'r', 2, nullptr },
                                            { 'r', 1, nullptr },
                                            { 's', 1, first.get() },
                                            { 's', 2, second.get() },
                                            { 's', 1, third.get() } }));
    EXPECT_EQ (answered->getName(), "Slot 03 ");
    EXPECT_EQ (asked->getData(), before);
    EXPECT_GE (results.times[1] - start, 2900.0); // JUCE's timers may fire a little early
    EXPECT_LT (results.times[1] - start, 3600.0);
    EXPECT_GE (results.times[2] - secondAt, 2900.0);
    EXPECT_LT (results.times[2] - start, 4600.0);
    EXPECT_GE (results.times[4] - acknowledgedAt, 2900.0);
}

// The message thread is held well past the time-outs while the answers reach the engine's inbox
// (a loaded machine, a Debug build): the timer's call, queued first, must not report them late.
TEST_F (EngineTest, AnswersInTheInboxWhenTheTimeOutIsDueStillSucceed)
{
    openDevicePorts();
    device.setReplyMode (QRX571Emulator::ReplyMode::never);
    ASSERT_TRUE (testutil::deliverPostedMessages()); // JUCE's timer thread is started from the loop
    auto sent = namedPreset ("Sent"), fetched = namedPreset ("Fetched");
    engine->sendPreset (1, sent);
    engine->requestPreset (4, fetched);

    juce::Thread::sleep (shortTimeoutMs * 4); // the hold: no message is delivered meanwhile
    inject (acknowledgement);
    inject (presetDump (4, device.getPresetImage (4)));
    while (! layer->isIdle())
        juce::Thread::sleep (1);

    ASSERT_TRUE (waitForResults (2));
    testutil::runLoopFor (shortTimeoutMs * 2);
    EXPECT_EQ (results.outcomes, (Outcomes{ { 's', 2, sent.get() }, { 'r', 2, nullptr } }));
    EXPECT_EQ (fetched->getName(), "Slot 04 ");
}

// Replies that pile up while the message thread is busy: only the newest few hundred are kept.
TEST_F (EngineTest, ABusyMessageThreadKeepsOnlyTheNewestReplies)
{
    const int kept = QRX5EditorEngine::maxWaitingMessages;
    engine->handleIncomingMidiMessage (nullptr, messageOf (parameterData (1, 7))); // the oldest
    for (int i = 0; i < kept; ++i)
        engine->handleIncomingMidiMessage (nullptr, messageOf (acknowledgement));
    ASSERT_TRUE (waitForResults ((size_t)kept));
    testutil::runLoopFor (50);
    EXPECT_EQ (results.outcomes.size(), (size_t)kept);
    EXPECT_EQ (engine->getGlobalSettings()->getAllSettings()[0], packGlobalSetting (1, 0)) << "dropped";
}

TEST_F (EngineTest, UnexpectedRepliesAreDroppedOrReportedAsTheyShould)
{
    openDevicePorts();
    auto preset = namedPreset ("Kept");
    const auto before = preset->getData();

    inject (presetDump (0, device.getPresetImage (4))); // no request waits for it
    inject (acknowledgement);                           // no send waits for it: {none, 2}
    ASSERT_TRUE (waitForResults (1));

    // A dump whose image is bad (a name byte of 0x80) loads nothing; the request times out.
    device.setReplyMode (QRX571Emulator::ReplyMode::never);
    engine->requestPreset (4, preset);
    auto bad = device.getPresetImage (4);
    bad[0] = 0x80;
    inject (presetDump (4, bad));
    ASSERT_TRUE (waitForResults (2));
    EXPECT_EQ (preset->getData(), before);

    // A second acknowledgement for one send is reported without a preset.
    device.setReplyMode (QRX571Emulator::ReplyMode::normal);
    device.setSendsExtraAcknowledgement (true);
    engine->sendPreset (0, preset);
    ASSERT_TRUE (waitForResults (4));
    testutil::runLoopFor (shortTimeoutMs * 2);
    EXPECT_EQ (
        results.outcomes,
        (Outcomes{
            { 's', 2, nullptr }, { 'r', 1, nullptr }, { 's', 2, preset.get() }, { 's', 2, nullptr } }));
}
