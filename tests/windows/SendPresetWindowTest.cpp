// The Send Preset window sends its main window's preset to the picked location, byte for byte,
// and closes on its own success only.
#include "WindowTestSupport.h"

#include "app/windows/sendpreset/SendPresetWindow.h"

using SendPresetWindowTest = WindowTest;

// Each choice sends the preset as it is at the click; only its own success closes the window.
TEST_F (SendPresetWindowTest, EachChoiceSendsThePresetToItsLocationAndOnlyItsOwnSuccessCloses)
{
    const auto preset = namedPreset ("Mine");
    ReferenceCountedImageButton::Ptr send;
    makeSendButton (send);
    const SendPresetWindow::Ptr window =
        new SendPresetWindow (preset, engine, new SendPresetComponent (send));
    WindowTestApplication::show (*window);
    device.clearReceived();
    const auto chooser = [&]() -> juce::ComboBox&
    { return *aptest::findAll<juce::ComboBox> (*window->getContentComponent())[0]; };
    const auto answered = [&] (size_t n)
    { return testutil::runLoopUntil ([&] { return app->sendResults.size() >= n; }); };

    EXPECT_EQ (chooser().getText(), "RAM");
    EXPECT_EQ (chooser().getNumItems(), 21);
    chooser().setSelectedId (0, juce::dontSendNotification); // no location chosen sends nothing
    click (*window, *send);
    EXPECT_EQ (device.getNumReceived(), 0); // the ports hand a send over at once

    for (auto [choice, location, acknowledged] :
         { std::tuple ("RAM", 0, true), { "20", 20, true }, { "7", 7, false } })
    {
        SCOPED_TRACE (choice);
        preset->setName (choice);
        app->sendResults.clear();
        app->messages.clear();
        device.clearReceived();
        device.setReplyMode (acknowledged ? QRX571Emulator::ReplyMode::normal
                                          : QRX571Emulator::ReplyMode::never);
        WindowTestApplication::show (*window);

        viewtest::pick (chooser(), choice);
        click (*window, *send);
        ASSERT_TRUE (answered (1));

        EXPECT_EQ (receivedByDevice(),
                   std::vector<Bytes>{ presetDump (location, bytesOf (preset->getData())) });
        EXPECT_EQ (app->sendResults, std::vector<int>{ acknowledged ? 2 : 1 });
        EXPECT_EQ (app->messages, acknowledged ? juce::StringArray (EditorStrings::presetSentSuccessfully)
                                               : juce::StringArray());
        EXPECT_EQ (window->isOnDesktop(), ! acknowledged);
        EXPECT_EQ (chooser().getText(), choice);
    }

    device.setReplyMode (QRX571Emulator::ReplyMode::normal);
    engine->sendPreset (3, namedPreset ("Other"));
    ASSERT_TRUE (answered (2));
    EXPECT_TRUE (window->isOnDesktop());
    EXPECT_TRUE (app->messages.isEmpty());
}
