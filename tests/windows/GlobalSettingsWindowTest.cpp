// The Global Settings window against the emulated device: it reads the settings when shown,
// Send writes the page's choices, Revert writes back what the device had before the last Send,
// and a setting the page cannot show goes back to the device unchanged.
#include "WindowTestSupport.h"

namespace
{
using Id = QRX571GlobalSettings::SettingId;

class GlobalSettingsWindowTest : public WindowTest
{
protected:
    // Shows the window (a new one after a close) and waits until the page shows the device's values.
    bool open()
    {
        app->showGlobalSettingsWindow();
        return settled() && testutil::runLoopUntil (
                                [&] { return chooser (Id::padGainId).getText() == value (Id::padGainId); });
    }

    QRX571GlobalSettingsComponent& page()
    {
        return dynamic_cast<QRX571GlobalSettingsComponent&> (
            *app->getGlobalSettingsWindow()->getContentComponent());
    }
    juce::ComboBox& chooser (int id) { return *page().getChooser (id); }
    juce::String value (int id) { return juce::String (device.getGlobalParameter (id)); }

    // Presses a page button and waits until the device has taken every message and the engine
    // has read the settings back.
    bool press (juce::Button& button)
    {
        click (*app->getGlobalSettingsWindow(), button);
        const auto done = settled();
        testutil::runLoopFor (50);
        return done;
    }

    long requestsReceived()
    {
        const auto all = receivedByDevice();
        return std::count (all.begin(), all.end(), parameterRequest);
    }
};
} // namespace

// Each case sends the pad gains in turn from a new window, then presses Revert: the device must
// hold the settings it had before the last Send.
TEST_F (GlobalSettingsWindowTest,
        EveryShowReadsTheSettingsAndRevertGivesBackWhatTheDeviceHadBeforeTheLastSend)
{
    struct Case
    {
        const char* what;
        std::vector<const char*> gains;
    };
    for (const auto& c : { Case{ "send, revert", { "12" } }, Case{ "send twice, revert", { "12", "17" } },
                           Case{ "revert alone", {} } })
    {
        SCOPED_TRACE (c.what);
        app->closeGlobalSettingsWindow();
        device.clearReceived();
        ASSERT_TRUE (open());
        EXPECT_EQ (requestsReceived(), 1);
        for (int id : { Id::screenContrastId, Id::tapAverageId })
            EXPECT_EQ (chooser (id).getText(), value (id)) << id;

        std::vector<Bytes> states{ device.getGlobalParameters() };
        for (auto gain : c.gains)
        {
            viewtest::pick (chooser (Id::padGainId), gain);
            ASSERT_TRUE (press (page().getSendButton()));
            EXPECT_EQ (value (Id::padGainId), gain);
            states.push_back (device.getGlobalParameters());
        }
        ASSERT_TRUE (press (page().getRevertButton()));
        EXPECT_EQ (device.getGlobalParameters(), states[c.gains.empty() ? 0 : c.gains.size() - 1]);
    }

    device.clearReceived();
    app->showGlobalSettingsWindow(); // the same window again
    ASSERT_TRUE (settled());
    EXPECT_EQ (requestsReceived(), 1);
}

// Pad threshold 15 and note display 3 match no item of their choosers, which stay blank; sending
// another change must leave both as the device has them.
TEST_F (GlobalSettingsWindowTest, ABlankChooserSendsBackTheDevicesOwnValue)
{
    ASSERT_TRUE (device.setGlobalParameter (Id::padThresholdId, 15));
    ASSERT_TRUE (device.setGlobalParameter (Id::noteTypeId, 3));
    ASSERT_TRUE (open());
    EXPECT_EQ (chooser (Id::padThresholdId).getSelectedId(), 0);
    EXPECT_EQ (chooser (Id::noteTypeId).getSelectedId(), 0);

    viewtest::pick (chooser (Id::padGainId), "5");
    ASSERT_TRUE (press (page().getSendButton()));
    EXPECT_EQ (device.getGlobalParameter (Id::padThresholdId), 15);
    EXPECT_EQ (device.getGlobalParameter (Id::noteTypeId), 3);
    EXPECT_EQ (device.getGlobalParameter (Id::padGainId), 5);
}

TEST_F (GlobalSettingsWindowTest, EveryElementSitsWhereTheLayoutPutsIt)
{
    ASSERT_TRUE (open());
    struct Place
    {
        int id, x, y, captionX, captionWidth;
    };
    const Place places[]{
        { Id::commonChannelId, 150, 40, 10, 175 },  { Id::noteTypeId, 150, 65, 10, 175 },
        { Id::screenContrastId, 150, 90, 10, 175 }, { Id::tapAverageId, 150, 115, 10, 175 },
        { Id::tempoLEDId, 150, 140, 10, 175 },      { Id::transportToDinId, 450, 40, 300, 150 },
        { Id::padGainId, 450, 65, 300, 150 },       { Id::padThresholdId, 450, 90, 300, 150 },
        { Id::padCurveId, 450, 115, 300, 150 },     { Id::clockSourceId, 450, 140, 300, 175 },
    };
    std::vector<std::pair<juce::Component*, juce::Rectangle<int>>> layout{
        { &page(), { 0, 0, 633, 273 } },
        { &page().getRevertButton(), { 10, 233, 96, 25 } },
        { &page().getGetButton(), { 410, 233, 96, 25 } },
        { &page().getSendButton(), { 510, 233, 96, 25 } },
    };
    for (const auto& p : places)
    {
        auto& box = chooser (p.id);
        layout.push_back ({ &box, { p.x, p.y, 150, 22 } });
        for (auto* label : childrenOf<juce::Label> (page()))
            if (label->getText() == box.getName())
                layout.push_back ({ label, { p.captionX, p.y, p.captionWidth, 22 } });
    }
    EXPECT_EQ (layout.size(), 4u + 2 * std::size (places)); // every chooser has its caption
    EXPECT_EQ (app->getGlobalSettingsWindow()->getTitle(), "Global Settings");
    expectLayout (page(), layout, "window-global-settings");
}
