// The Load From Hardware window fetches the 21 locations from the emulated device one after
// another, lists them and opens a copy of a listed preset; a fetch that fails keeps the last list.
#include "WindowTestSupport.h"

namespace
{
using Row = PresetListBoxModel::PresetListRowComponent;

class GetPresetWindowTest : public WindowTest
{
protected:
    GetPresetWindow& window() { return *app->getLoadFromHardwareWindow(); }
    GetPresetComponent& content()
    {
        return dynamic_cast<GetPresetComponent&> (*window().getContentComponent());
    }
    bool fetched()
    {
        return testutil::runLoopUntil ([&] { return ! window().isFetching(); }, 20000);
    }

    Row* row (int number)
    {
        content().getList().scrollToEnsureRowIsOnscreen (number);
        return dynamic_cast<Row*> (content().getList().getComponentForRowNumber (number));
    }

    // Each listed row as "title: name", and what the device holds, in the same form.
    juce::StringArray listed()
    {
        juce::StringArray shown;
        for (int i = 0; i < content().getList().getModel()->getNumRows(); ++i)
            shown.add (row (i)->getTitle() + ": " + aptest::findAll<juce::Label> (*row (i))[0]->getText());
        return shown;
    }
    juce::StringArray deviceList()
    {
        juce::StringArray expected{ "RAM: " + presetAt (0)->getName() };
        for (int slot = 1; slot <= 20; ++slot)
            expected.add ("Preset Slot " + juce::String (slot) + ": " + presetAt (slot)->getName());
        return expected;
    }

    QRX571EditorPreset::Ptr presetAt (int location)
    {
        const auto image = device.getPresetImage (location);
        QRX571EditorPreset::Ptr preset = new QRX571EditorPreset();
        preset->setFromData ({ image.data(), (int)image.size() });
        return preset;
    }
};
} // namespace

TEST_F (GetPresetWindowTest, AFetchListsEveryLocationOnceRefreshWaitsAndEachGetOpensACopyOfTheListedFetch)
{
    device.setReplyDelay (5);
    device.clearReceived();
    app->showLoadFromHardwareWindow();
    EXPECT_EQ (row (0), nullptr); // nothing is listed before a fetch completes
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return device.getNumReceived() >= 3; }));
    EXPECT_FALSE (content().getRefreshButton().isEnabled());
    click (window(), content().getRefreshButton());
    window().refresh();
    ASSERT_TRUE (fetched());

    std::vector<Bytes> everyRequestOnce;
    for (int location = 0; location < 21; ++location)
        everyRequestOnce.push_back (presetRequest (location));
    EXPECT_EQ (receivedByDevice(), everyRequestOnce);
    EXPECT_EQ (listed(), deviceList());
    EXPECT_TRUE (content().getRefreshButton().isEnabled());

    // An edit in one opened window reaches no other window and not the list, so Get on the same
    // row again opens what the device sent.
    for (int location : { 3, 20, 3 })
        click (window(), *aptest::find<juce::Button> (*row (location), "Get"));
    ASSERT_EQ (app->openedPresets.size(), 3);
    ASSERT_TRUE (app->openedPresets[0]->setName ("Edited"));
    click (window(), *aptest::find<juce::Button> (*row (3), "Get"));
    ASSERT_EQ (app->openedPresets.size(), 4);
    EXPECT_EQ (app->openedPresets[1]->getData(), presetAt (20)->getData());
    for (int i : { 2, 3 })
        EXPECT_EQ (app->openedPresets[i]->getData(), presetAt (3)->getData()) << i;
    EXPECT_EQ (listed(), deviceList());

    // During a refresh Get opens the presets of the listed fetch, and no later reply changes them.
    app->openedPresets.clear();
    const int rows[] = { 1, 3, 7 }; // fetched again, awaited, not yet asked for
    juce::ReferenceCountedArray<QRX571EditorPreset> listedBefore;
    for (int location : rows)
        listedBefore.add (presetAt (location));
    for (int location = 0; location < 21; ++location)
    {
        auto renamed = presetAt (location);
        ASSERT_TRUE (renamed->setName ("New " + juce::String (location)));
        device.setPresetImage (location, bytesOf (renamed->getData()));
    }

    engine->setReplyTimeout (20000); // the awaited reply is held while the rows are clicked
    device.setReplyAllowance (3);
    device.clearReceived();
    click (window(), content().getRefreshButton());
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return device.getNumReceived() > 3; }));

    juce::StringArray shownNames;
    for (int location : rows)
    {
        shownNames.add (aptest::findAll<juce::Label> (*row (location))[0]->getText());
        click (window(), *aptest::find<juce::Button> (*row (location), "Get"));
    }
    device.setReplyAllowance (-1);
    ASSERT_TRUE (fetched());
    EXPECT_EQ (app->openedPresets.size(), 3);

    for (int i = 0; i < app->openedPresets.size(); ++i)
    {
        SCOPED_TRACE (rows[i]);
        EXPECT_EQ (app->openedPresets[i]->getData(), listedBefore[i]->getData());
        EXPECT_EQ (app->openedPresets[i]->getName(), shownNames[i]);
    }

    // Once the new fetch is complete, Get follows its names.
    EXPECT_EQ (listed(), deviceList());
    click (window(), *aptest::find<juce::Button> (*row (3), "Get"));
    EXPECT_EQ (app->openedPresets.getLast()->getData(), presetAt (3)->getData());
}

TEST_F (GetPresetWindowTest, AFetchThatFailsMidwayKeepsTheLastListAndTheNextSuccessfulSendStartsAgain)
{
    using Mode = QRX571Emulator::ReplyMode;
    app->showLoadFromHardwareWindow();
    ASSERT_TRUE (fetched());
    device.setReplyDelay (10);

    // Replying normally stands for unplugging.
    for (auto [what, mode] :
         { std::pair ("silent", Mode::never), { "garbled", Mode::garbled }, { "unplug", Mode::normal } })
    {
        SCOPED_TRACE (what);
        const auto before = listed();
        auto renamed = presetAt (2);
        ASSERT_TRUE (renamed->setName (what));
        device.setPresetImage (2, bytesOf (renamed->getData()));
        app->requestResults.clear();
        app->sendResults.clear();
        device.clearReceived();

        click (window(), content().getRefreshButton());
        ASSERT_TRUE (testutil::runLoopUntil ([&] { return device.getNumReceived() >= 5; }));
        mode == Mode::normal ? device.unplug() : device.setReplyMode (mode);
        ASSERT_TRUE (fetched());
        EXPECT_LT (device.getNumReceived(), 21);
        EXPECT_NE (app->requestResults, std::vector<int> (app->requestResults.size(), 2));
        EXPECT_EQ (listed(), before);
        EXPECT_TRUE (content().getRefreshButton().isEnabled());

        device.setReplyMode (Mode::normal);
        if (mode == Mode::normal)
            device.plugIn();
        ASSERT_TRUE (testutil::runLoopUntil (
            [&] { return manager->getNumOpenInputs() + manager->getNumOpenOutputs() == 2; }));
        engine->sendPreset (7, namedPreset ("Sent"));
        ASSERT_TRUE (testutil::runLoopUntil ([&] { return ! app->sendResults.empty(); }));
        ASSERT_TRUE (fetched());
        EXPECT_EQ (listed(), deviceList());
        EXPECT_NE (listed(), before);
    }
}

// A window opened while a closed one's request is still open waits for it before it fetches.
TEST_F (GetPresetWindowTest, AFetchIgnoresARequestItDidNotMakeAndWaitsForAClosedWindowsOpenOne)
{
    device.setReplyMode (QRX571Emulator::ReplyMode::never);
    app->showLoadFromHardwareWindow();
    ASSERT_TRUE (fetched());

    device.setReplyMode (QRX571Emulator::ReplyMode::normal);
    device.clearReceived();
    engine->requestPreset (5, namedPreset ("Other")); // someone else's, still heard by the window
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return app->requestResults.size() == 2; }));
    ASSERT_TRUE (settled());

    EXPECT_EQ (receivedByDevice(), std::vector<Bytes>{ presetRequest (5) });
    EXPECT_FALSE (window().isFetching());
    EXPECT_EQ (row (0), nullptr);

    device.setReplyDelay (300);
    click (window(), content().getRefreshButton());
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return device.getNumReceived() >= 3; }));
    window().closeButtonPressed(); // mid-fetch: its last request is still unanswered

    device.setReplyDelay (0);
    app->showLoadFromHardwareWindow();
    ASSERT_TRUE (fetched());
    EXPECT_EQ (listed(), deviceList());
}
