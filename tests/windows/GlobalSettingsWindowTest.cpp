// The Global Settings window against the emulated device: it reads the settings when shown,
// Send writes the page's choices, Revert writes back what the device had before the last Send,
// and a setting the page cannot show goes back to the device unchanged.
#include "AuxiliaryWindowsApplication.h"

namespace
{
using Id = QRX571GlobalSettings::SettingId;

class GlobalSettingsWindowTest : public AuxiliaryWindowTest
{
protected:
    void TearDown() override
    {
        aux->closeGlobalSettingsWindow();
        AuxiliaryWindowTest::TearDown();
    }

    // Shows the window (a new one after a close) and waits until the page shows the device's values.
    bool open()
    {
        aux->showGlobalSettingsWindow();
        return settled() && testutil::runLoopUntil (
                                [&] { return chooser (Id::padGainId).getText() == value (Id::padGainId); });
    }

    QRX571GlobalSettingsComponent& page()
    {
        return dynamic_cast<QRX571GlobalSettingsComponent&> (*aux->globalSettings->getContentComponent());
    }
    juce::ComboBox& chooser (int id) { return *page().getChooser (id); }
    juce::String value (int id) { return juce::String (device.getGlobalParameter (id)); }

    // Presses a page button and waits until the device has taken every message and the engine
    // has read the settings back.
    bool press (juce::Button& button)
    {
        click (*aux->globalSettings, button);
        if (! settled())
            return false;
        testutil::runLoopFor (50);
        return true;
    }

    int requestsReceived()
    {
        int n = 0;
        for (auto& m : device.getReceivedMessages())
            n += bytesOf (m) == parameterRequest ? 1 : 0;
        return n;
    }
};
} // namespace

TEST_F (GlobalSettingsWindowTest, EveryShowRequestsTheSettingsAndThePageShowsThem)
{
    ASSERT_TRUE (open());
    EXPECT_EQ (requestsReceived(), 1);
    for (int id : { Id::screenContrastId, Id::padGainId })
        EXPECT_EQ (chooser (id).getText(), value (id)) << id;
    EXPECT_EQ (chooser (Id::tapAverageId).getText(), value (Id::tapAverageId));

    aux->showGlobalSettingsWindow();
    ASSERT_TRUE (settled());
    EXPECT_EQ (requestsReceived(), 2);
}

// Each case sends the pad gains in turn from a new window, then presses Revert: the device must
// hold the settings it had before the last Send.
TEST_F (GlobalSettingsWindowTest, RevertGivesTheDeviceWhatItHadBeforeTheLastSend)
{
    struct Case
    {
        const char* what;
        std::vector<const char*> gains;
    };
    for (const auto& c : { Case{ "send, revert", { "12" } }, Case{ "send twice, revert", { "12", "17" } },
                           Case{ "revert alone", {} } })
    {
        aux->closeGlobalSettingsWindow();
        ASSERT_TRUE (open()) << c.what;
        std::vector<Bytes> states{ device.getGlobalParameters() };

        for (auto gain : c.gains)
        {
            viewtest::pick (chooser (Id::padGainId), gain);
            ASSERT_TRUE (press (page().getSendButton())) << c.what;
            EXPECT_EQ (value (Id::padGainId), gain) << c.what;
            states.push_back (device.getGlobalParameters());
        }

        ASSERT_TRUE (press (page().getRevertButton())) << c.what;
        EXPECT_EQ (device.getGlobalParameters(), states[c.gains.empty() ? 0 : c.gains.size() - 1]) << c.what;
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
    const auto labels = childrenOf<juce::Label> (page());
    for (const auto& p : places)
    {
        auto& box = chooser (p.id);
        EXPECT_EQ (box.getBounds(), juce::Rectangle<int> (p.x, p.y, 150, 22)) << box.getName();
        auto caption = std::find_if (labels.begin(), labels.end(),
                                     [&] (auto* l) { return l->getText() == box.getName(); });
        ASSERT_NE (caption, labels.end()) << box.getName();
        EXPECT_EQ ((*caption)->getBounds(), juce::Rectangle<int> (p.captionX, p.y, p.captionWidth, 22))
            << box.getName();
    }

    EXPECT_EQ (page().getBounds(), juce::Rectangle<int> (0, 0, 633, 273));
    EXPECT_EQ (page().getRevertButton().getBounds(), juce::Rectangle<int> (10, 233, 96, 25));
    EXPECT_EQ (page().getGetButton().getBounds(), juce::Rectangle<int> (410, 233, 96, 25));
    EXPECT_EQ (page().getSendButton().getBounds(), juce::Rectangle<int> (510, 233, 96, 25));
    EXPECT_EQ (aux->globalSettings->getTitle(), "Global Settings");
    EXPECT_TRUE (viewtest::renderForReview (page(), "window-global-settings"));
}
