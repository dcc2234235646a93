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

// Each case sends the pad gains in turn from a new window, then Revert: the device holds the
// settings it had before the last Send.
TEST_F (GlobalSettingsWindowTest,
        EveryShowReadsTheSettingsAndRevertGivesBackWhatTheDeviceHadBeforeTheLastSend)
{
    struct Case
    {
        const char* what;
        std::vector<const char*> gains;
    };
    for (const auto& c : { Case{ "send, revert", { "12" } }, Case{ "send twice, revert", { "12", "17" } } })
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
        EXPECT_EQ (device.getGlobalParameters(), states[c.gains.size() - 1]);
    }
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
    Layout layout{ { &page(), { 0, 0, 633, 273 } },
                   { &page().getRevertButton(), { 10, 233, 96, 25 } },
                   { &page().getGetButton(), { 410, 233, 96, 25 } },
                   { &page().getSendButton(), { 510, 233, 96, 25 } } };
    const int columns[2][5] = {
        { Id::commonChannelId, Id::noteTypeId, Id::screenContrastId, Id::tapAverageId, Id::tempoLEDId },
        { Id::transportToDinId, Id::padGainId, Id::padThresholdId, Id::padCurveId, Id::clockSourceId }
    };
    for (int column = 0; column < 2; ++column)
        for (int i = 0; i < 5; ++i)
        {
            auto& box = chooser (columns[column][i]);
            layout.push_back ({ &box, { 150 + 300 * column, 40 + 25 * i, 150, 22 } });
            for (auto* label : childrenOf<juce::Label> (page()))
                if (label->getText() == box.getName())
                    layout.push_back (
                        { label, { 10 + 290 * column, 40 + 25 * i, column == 0 || i == 4 ? 175 : 150, 22 } });
        }
    EXPECT_EQ (layout.size(), 24u); // every chooser has its caption
    EXPECT_EQ (app->getGlobalSettingsWindow()->getTitle(), "Global Settings");
    expectLayout (page(), layout, "window-global-settings");
}
