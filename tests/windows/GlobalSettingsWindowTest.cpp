// The Global Settings window against the emulated device: it reads the settings when shown,
// Send writes the page's choices, Revert writes back what the device had before the last Send,
// and a setting the page cannot show goes back to the device unchanged.
#include "WindowTestSupport.h"

using GlobalSettingsWindowTest = WindowTest;
using Id = QRX571GlobalSettings::SettingId;

// Each case sends the pad gains in turn from a new window, then Revert: the device holds the
// settings it had before the last Send. Pad threshold 15 and note display 3 match no item of
// their choosers, which stay blank; a Send leaves both as the device has them.
TEST_F (GlobalSettingsWindowTest,
        EveryShowReadsTheSettingsAndRevertGivesBackWhatTheDeviceHadBeforeTheLastSend)
{
    const auto page = [&]() -> QRX571GlobalSettingsComponent&
    {
        return dynamic_cast<QRX571GlobalSettingsComponent&> (
            *app->getGlobalSettingsWindow()->getContentComponent());
    };
    const auto chooser = [&] (int id) -> juce::ComboBox& { return *page().getChooser (id); };
    const auto value = [&] (int id) { return juce::String (device.getGlobalParameter (id)); };
    // Shows the window (a new one after a close) and waits until the page shows the device's values.
    const auto open = [&]
    {
        app->showGlobalSettingsWindow();
        return settled() && testutil::runLoopUntil (
                                [&] { return chooser (Id::padGainId).getText() == value (Id::padGainId); });
    };
    // Presses a page button and waits until the device has taken every message and the engine
    // has read the settings back.
    const auto press = [&] (juce::Button& button)
    {
        click (*app->getGlobalSettingsWindow(), button);
        return settled() && testutil::deliverPostedMessages();
    };

    ASSERT_TRUE (device.setGlobalParameter (Id::padThresholdId, 15));
    ASSERT_TRUE (device.setGlobalParameter (Id::noteTypeId, 3));
    const std::vector<std::vector<const char*>> cases{ { "12" }, { "12", "17" } };
    for (const auto& gains : cases)
    {
        SCOPED_TRACE (gains.size() == 1 ? "send, revert" : "send twice, revert");
        app->closeGlobalSettingsWindow();
        device.clearReceived();
        ASSERT_TRUE (open());
        const auto received = receivedByDevice();
        EXPECT_EQ (std::count (received.begin(), received.end(), parameterRequest), 1);
        for (int id : { Id::screenContrastId, Id::tapAverageId })
            EXPECT_EQ (chooser (id).getText(), value (id)) << id;
        for (int id : { Id::padThresholdId, Id::noteTypeId })
            EXPECT_EQ (chooser (id).getSelectedId(), 0) << id;

        std::vector<Bytes> states{ device.getGlobalParameters() };
        for (auto gain : gains)
        {
            viewtest::pick (chooser (Id::padGainId), gain);
            ASSERT_TRUE (press (page().getSendButton()));
            EXPECT_EQ (value (Id::padGainId), gain);
            EXPECT_EQ (device.getGlobalParameter (Id::padThresholdId), 15);
            EXPECT_EQ (device.getGlobalParameter (Id::noteTypeId), 3);
            states.push_back (device.getGlobalParameters());
        }
        ASSERT_TRUE (press (page().getRevertButton()));
        EXPECT_EQ (device.getGlobalParameters(), states[gains.size() - 1]);
    }
}
