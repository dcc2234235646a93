// The Send Multiple Presets window against the emulated device: files and folders dropped on its
// rows, a main window's preset dropped on a row, Browse and Clear, and the batch send, which
// counts only the acknowledgements of its own presets.
#include "AuxiliaryWindowsApplication.h"

#include "app/DesktopAnswers.h"
#include "app/MainContentComponent.h"
#include "model/DefaultPreset.h"
#include "ui/EditorPictures.h"

namespace
{
using Row = SendMultiplePresetsWindow::PresetListBoxModel::PresetListRowComponent;

class SendMultiplePresetsWindowTest : public AuxiliaryWindowTest
{
protected:
    void SetUp() override
    {
        AuxiliaryWindowTest::SetUp();
        show();
    }

    void show()
    {
        aux->showSendMultiplePresetsWindow();
        testutil::runLoopFor (20); // the rows are rebuilt empty
    }

    bool clear (int rowNumber)
    {
        click (window(), row (rowNumber).getClearButton());
        return testutil::runLoopUntil ([&] { return window().getSlotPreset (rowNumber) != nullptr; });
    }

    void TearDown() override
    {
        folder.deleteRecursively();
        AuxiliaryWindowTest::TearDown();
    }

    SendMultiplePresetsWindow& window() { return *aux->sendMultiple; }
    SendMultiplePresetsComponent& content() { return *window().getContent(); }

    Row& row (int number)
    {
        content().getList()->scrollToEnsureRowIsOnscreen (number);
        return dynamic_cast<Row&> (*content().getList()->getComponentForRowNumber (number));
    }

    // A preset file named `name` at `path` under the test folder.
    juce::File presetFile (const juce::String& path, const juce::String& name)
    {
        return writeFile (path, presetDump (0, bytesOf (namedPreset (name)->getData())));
    }

    juce::File writeFile (const juce::String& path, const Bytes& bytes)
    {
        const auto file = folder.getChildFile (path);
        file.getParentDirectory().createDirectory();
        file.replaceWithData (bytes.data(), bytes.size());
        return file;
    }

    // Drops the paths on a row as JUCE does, once the row takes them; waits for the reading to end.
    bool drop (const juce::StringArray& paths, int rowNumber)
    {
        if (! row (rowNumber).isInterestedInFileDrag (paths))
            return false;
        row (rowNumber).filesDropped (paths, 10, 10);
        return testutil::runLoopUntil ([&] { return content().getSendButton().isEnabled(); });
    }

    // Each row's shown name, "-" for a row the window would not send.
    std::string rows()
    {
        juce::StringArray shown;
        for (int r = 0; r <= 20; ++r)
            shown.add (window().getSlotPreset (r) == nullptr ? "-"
                                                             : row (r).getNameLabel().getText().trimEnd());
        return shown.joinIntoString ("|").toStdString();
    }

    static std::string expected (std::map<int, juce::String> filled)
    {
        juce::StringArray all;
        for (int r = 0; r <= 20; ++r)
            all.add (filled.count (r) > 0 ? filled[r] : "-");
        return all.joinIntoString ("|").toStdString();
    }

    juce::File folder = juce::File::createTempFile ("batch");
};
} // namespace

TEST_F (SendMultiplePresetsWindowTest, FilesAndFoldersFillConsecutiveRowsFromTheDropRow)
{
    const Bytes notAPreset (1083, 0x42);
    struct Case
    {
        const char* what;
        std::vector<std::pair<const char*, const char*>> files; // path, preset name (null: not a preset)
        int dropRow;
        std::map<int, juce::String> filled;
    };
    const std::vector<Case> cases{
        { "three files on row 19",
          { { "a.qrx571", "First" }, { "b.qrx571", "Second" }, { "c.qrx571", "Third" } },
          19,
          { { 19, "First" }, { 20, "Second" } } },
        { "an invalid file between two valid ones",
          { { "a.qrx571", "First" }, { "b.qrx571", nullptr }, { "c.qrx571", "Third" } },
          3,
          { { 3, "First" }, { 4, "Third" } } },
        { "a file of another extension", { { "a.syx", "First" } }, 2, {} },
    };

    for (const auto& c : cases)
    {
        folder.deleteRecursively();
        show();
        juce::StringArray paths;
        for (auto [path, name] : c.files)
            paths.add (
                (name != nullptr ? presetFile (path, name) : writeFile (path, notAPreset)).getFullPathName());

        ASSERT_TRUE (drop (paths, c.dropRow)) << c.what;
        EXPECT_EQ (rows(), expected (c.filled)) << c.what;
    }
}

TEST_F (SendMultiplePresetsWindowTest, AFolderFillsRowsInTheOrderOfItsWalkWithAnyExtension)
{
    std::map<juce::String, juce::String> names; // path, preset name
    for (auto [path, name] :
         { std::pair ("top.qrx571", "Top"), { "deep/er/one.bin", "Deep" }, { "deep/two.x", "Two" } })
        names[presetFile (path, name).getFullPathName()] = name;
    writeFile ("deep/er/wrong-size.qrx571", Bytes (1000, 0));

    std::map<int, juce::String> filled;
    for (const auto& entry : juce::RangedDirectoryIterator (folder, true))
        if (names.count (entry.getFile().getFullPathName()) > 0)
            filled[4 + (int)filled.size()] = names[entry.getFile().getFullPathName()];

    ASSERT_TRUE (drop (folder.getFullPathName(), 4));
    EXPECT_EQ (rows(), expected (filled));
}

// The reading state lasts until the worker has stored its last file: Send, the rows' buttons and
// drop targets stay off all that time, and once Send is back every file is in its row.
TEST_F (SendMultiplePresetsWindowTest, NothingCanBeSentOrDroppedUntilTheLastFileIsStored)
{
    for (int i = 0; i < 400; ++i)
        writeFile ("noise/" + juce::String (i) + ".txt", { 1, 2, 3 });
    for (int i = 0; i < 21; ++i)
        presetFile ("noise/p" + juce::String (i) + ".qrx571", "P" + juce::String (i));

    row (0).filesDropped (folder.getFullPathName(), 0, 0);
    EXPECT_EQ (content().getStatusLabel().getText(), "Reading Dragged Files");

    const auto allStored = [&] { return rows().find ('-') == std::string::npos; };
    bool neverEarly = true;
    ASSERT_TRUE (testutil::runLoopUntil (
        [&]
        {
            if (row (3).isInterestedInFileDrag ({}) ||
                row (3).isInterestedInDragSource ({ {}, nullptr, {} }) ||
                row (3).getBrowseButton().isEnabled() || content().getSendButton().isEnabled())
                neverEarly = neverEarly && allStored();
            return content().getSendButton().isEnabled();
        }));

    EXPECT_TRUE (neverEarly);
    EXPECT_TRUE (row (3).isInterestedInFileDrag ({}) && row (3).getClearButton().isEnabled());
    EXPECT_EQ (content().getStatusLabel().getText(), "");
}

// A main window's preset on row 5 (a snapshot), a cleared row 7, files on rows 19 and 20, then
// Send: the device holds each, and the window says so once and closes.
TEST_F (SendMultiplePresetsWindowTest, SendPutsEveryRowAtItsLocationThenReportsOnceAndCloses)
{
    auto edited = namedPreset ("Dragged");
    const auto snapshot = bytesOf (edited->getData());
    MainContentComponent surface (edited, EditorPictures::editorBackground());
    const juce::DragAndDropTarget::SourceDetails details{ MainWindowDragDrop::dragDescription, &surface, {} };

    ASSERT_TRUE (row (5).isInterestedInDragSource (details));
    row (5).itemDragEnter (details);
    row (5).itemDropped (details);
    edited->setName ("Later");
    ASSERT_TRUE (clear (7));
    ASSERT_TRUE (drop ({ presetFile ("a.qrx571", "Nineteen").getFullPathName(),
                         presetFile ("b.qrx571", "Twenty").getFullPathName() },
                       19));
    EXPECT_EQ (rows(), expected ({ { 5, "Dragged" }, { 7, "" }, { 19, "Nineteen" }, { 20, "Twenty" } }));

    juce::Component::SafePointer<juce::Component> shown (&window());
    click (window(), content().getSendButton());
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return shown == nullptr; }));
    testutil::runLoopFor (100);

    EXPECT_EQ (app->messages, juce::StringArray ("Preset Sucessfully Sent to device."));
    EXPECT_EQ (device.getPresetImage (5), snapshot);
    EXPECT_EQ (device.getPresetImage (7), bytesOf (makeDefaultPreset()->getData()));
    EXPECT_EQ (device.getPresetImage (20), bytesOf (namedPreset ("Twenty")->getData()));
}

// Acknowledgements are made up here, the device staying silent, so each case decides which
// sends are acknowledged; whatever is left times out. The device answers oldest first.
TEST_F (SendMultiplePresetsWindowTest, OnlyEveryOneOfItsOwnSendsAcknowledgedClosesTheWindow)
{
    struct Case
    {
        const char* what;
        bool otherWindowSendsFirst, sendTwice;
        int acknowledgements;
        bool closes;
    };
    for (const auto& c : { Case{ "four of four", false, false, 4, true },
                           Case{ "three of four, one timed out", false, false, 3, false },
                           Case{ "another window's send and three of four", true, false, 4, false },
                           Case{ "four, all for the Send before", false, true, 4, false } })
    {
        show();
        engine->setReplyTimeout (500); // long enough for the made-up acknowledgements to come first
        app->messages.clear();
        for (int r : { 1, 2, 3, 4 })
            ASSERT_TRUE (clear (r));

        device.setReplyMode (QRX571Emulator::ReplyMode::never);
        const auto answered = app->sendResults.size();
        const size_t sends = (c.sendTwice ? 8 : 4) + (c.otherWindowSendsFirst ? 1 : 0);
        if (c.otherWindowSendsFirst)
            engine->sendPreset (9, namedPreset ("Other"));
        for (int clicks = c.sendTwice ? 2 : 1; --clicks >= 0;)
            click (window(), content().getSendButton());
        ASSERT_TRUE (settled());
        for (int i = 0; i < c.acknowledgements; ++i)
            inject (acknowledgement);

        // Every send answered, by its acknowledgement or its time-out.
        ASSERT_TRUE (testutil::runLoopUntil ([&] { return app->sendResults.size() == answered + sends; }))
            << c.what;
        EXPECT_EQ (aux->sendMultiple == nullptr, c.closes) << c.what;
        EXPECT_EQ (app->messages.size(), c.closes ? 1 : 0) << c.what;
    }
}

TEST_F (SendMultiplePresetsWindowTest, BrowseReadsTheChosenFileIntoItsRow)
{
    const auto file = presetFile ("chosen.qrx571", "Chosen");
    apptest::DesktopAnswers answers;
    answers.choose (file);

    row (2).getBrowseButton().triggerClick();
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return window().getSlotPreset (2) != nullptr; }));
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return content().getSendButton().isEnabled(); }));

    EXPECT_EQ (answers.seen, juce::StringArray ("Select Preset file to load"));
    EXPECT_EQ (rows(), expected ({ { 2, "Chosen" } }));
}

// The close comes while the worker walks a large folder: it stops well inside the 5000 ms it is
// allowed before it would be killed, and the window is gone, with nothing left holding it.
TEST_F (SendMultiplePresetsWindowTest, ClosingWhileReadingStopsTheWorkerPromptly)
{
    for (int i = 0; i < 3000; ++i)
        writeFile ("many/" + juce::String (i), { 0 });

    row (0).filesDropped (folder.getFullPathName(), 0, 0);
    juce::Component::SafePointer<juce::Component> shown (&window());
    ASSERT_TRUE (window().isReading());

    const auto start = juce::Time::getMillisecondCounterHiRes();
    window().closeButtonPressed();
    EXPECT_LT (juce::Time::getMillisecondCounterHiRes() - start, 1000.0);
    EXPECT_EQ (shown, nullptr);
    testutil::runLoopFor (50); // what the worker posted meets no window
}

TEST_F (SendMultiplePresetsWindowTest, EveryElementSitsWhereTheLayoutPutsIt)
{
    window().storePresetInSlot (namedPreset ("Kick Set"), 1);
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return row (1).getNameLabel().getText() == "Kick Set"; }));
    auto& list = *content().getList();
    auto& r = row (1);
    const std::vector<std::pair<juce::Component*, juce::Rectangle<int>>> layout{
        { &content(), { 0, 0, 633, 225 } },
        { &list, { 20, 35, 600, 150 } },
        { &content().getSendButton(), { 525, 195, 96, 25 } },
        { &r.getBrowseButton(), { 475, 2, 74, 20 } },
        { &r.getClearButton(), { 554, 5, 14, 13 } },
    };
    for (auto& [component, bounds] : layout)
        EXPECT_EQ (component->getBounds(), bounds) << component->getName();

    const auto captionCentre = content().getCaption().getBounds().toFloat().getCentre();
    EXPECT_EQ (content().getCaption().getBounds().getWidth(), 267);
    EXPECT_NEAR (captionCentre.x, 633 * 0.5f, 1.0f);
    EXPECT_NEAR (captionCentre.y, 225 * 0.1f, 1.0f);
    EXPECT_EQ (r.getHeight(), 24);
    EXPECT_EQ (r.getNameLabel().getRight(), 475);
    EXPECT_EQ (content().getStatusLabel().getRight(), 525);
    EXPECT_EQ (window().getTitle(), "Send Multiple Presets");
    EXPECT_EQ (window().getThreadName(), "Dragged Files Parse Queue");
    EXPECT_TRUE (viewtest::renderForReview (content(), "window-send-multiple-presets"));
}
