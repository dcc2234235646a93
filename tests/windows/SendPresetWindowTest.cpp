// The Send Preset window sends its main window's preset to the picked location, byte for byte,
// and closes on its own success only.
#include "WindowTestSupport.h"

#include "app/SendPresetWindow.h"

namespace
{
class SendPresetWindowTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        makeSendButton (send);
        window = new SendPresetWindow (preset, engine, new SendPresetComponent (send));
        WindowTestApplication::show (*window);
        device.clearReceived();
    }

    void TearDown() override
    {
        window = nullptr;
        WindowTest::TearDown();
    }

    juce::ComboBox& chooser() { return *childrenOf<juce::ComboBox> (*window->getContentComponent())[0]; }
    bool answered (size_t n = 1)
    {
        return testutil::runLoopUntil ([&] { return app->sendResults.size() >= n; });
    }

    QRX571EditorPreset::Ptr preset = namedPreset ("Mine");
    ReferenceCountedImageButton::Ptr send;
    SendPresetWindow::Ptr window;
};
} // namespace

TEST_F (SendPresetWindowTest, EachChoiceSendsThePresetToItsLocationAndSuccessClosesOnce)
{
    EXPECT_EQ (chooser().getText(), "RAM");
    EXPECT_EQ (chooser().getNumItems(), 21);

    for (auto [choice, location] : { std::pair ("RAM", 0), { "20", 20 }, { "7", 7 } })
    {
        SCOPED_TRACE (choice);
        preset->setName (choice); // the state at the click is what goes out
        app->sendResults.clear();
        app->messages.clear();
        device.clearReceived();
        WindowTestApplication::show (*window);

        viewtest::pick (chooser(), choice);
        click (*window, *send);
        ASSERT_TRUE (answered());

        ASSERT_EQ (device.getNumReceived(), 1);
        EXPECT_EQ (bytesOf (device.getReceivedMessages()[0]),
                   presetDump (location, bytesOf (preset->getData())));
        EXPECT_EQ (app->sendResults, std::vector<int>{ 2 });
        EXPECT_EQ (app->messages, juce::StringArray (EditorStrings::presetSentSuccessfully));
        EXPECT_FALSE (window->isOnDesktop());
        EXPECT_EQ (chooser().getText(), choice);
    }
}

TEST_F (SendPresetWindowTest, ATimeOutOrAnotherPresetsSuccessLeavesTheWindowOpenWithItsChoice)
{
    viewtest::pick (chooser(), "7");
    device.setReplyMode (QRX571Emulator::ReplyMode::never);
    click (*window, *send);
    ASSERT_TRUE (answered());

    device.setReplyMode (QRX571Emulator::ReplyMode::normal);
    engine->sendPreset (3, namedPreset ("Other"));
    ASSERT_TRUE (answered (2));

    EXPECT_EQ (app->sendResults, (std::vector<int>{ 1, 2 }));
    EXPECT_TRUE (window->isOnDesktop());
    EXPECT_EQ (chooser().getText(), "7");
    EXPECT_TRUE (app->messages.isEmpty());
}

TEST_F (SendPresetWindowTest, NoLocationChosenSendsNothing)
{
    chooser().setSelectedId (0, juce::dontSendNotification);
    click (*window, *send);
    EXPECT_EQ (device.getNumReceived(), 0); // the ports hand a send over at once
}

TEST_F (SendPresetWindowTest, Layout)
{
    auto& content = *window->getContentComponent();
    auto& caption = *childrenOf<juce::Label> (content)[0];
    expectLayout (content,
                  { { &content, { 0, 0, 366, 143 } },
                    { &chooser(), { 250, 50, 75, 25 } },
                    { send.get(), { 250, 100, 96, 25 } } },
                  "window-send-preset");
    EXPECT_EQ (caption.getText(), "Save current preset to hardware as");
    EXPECT_EQ (caption.getBounds().getTopRight(), chooser().getPosition()); // attached on its left
    EXPECT_EQ (window->getName(), "Send Preset");
}
