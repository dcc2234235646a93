// Send Multiple Presets against the emulated device: files, folders and a main window's preset
// dropped on its rows, Browse, Clear, and the batch send, counting only its own acknowledgements.
#include "WindowTestSupport.h"

#include "app/DesktopAnswers.h"
#include "app/MainContentComponent.h"
#include "model/DefaultPreset.h"
#include "ui/EditorPictures.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <sys/fanotify.h>
#include <unistd.h>

namespace
{
using Row = SendMultiplePresetsWindow::PresetListBoxModel::PresetListRowComponent;
using Filled = std::map<int, juce::String>;

// Whoever opens the file waits in open(), as on a stalled network or USB disk, until the lease
// taken here is lifted (or the system's lease-break time, 45 s, runs out). Where leases are
// switched off or the file system has none, `held` is false and `whyNot` says why.
struct StalledOpen
{
    explicit StalledOpen (const juce::File& file)
        : path (file.getFullPathName())
    {
        held = fd >= 0 && fcntl (fd, F_SETLEASE, F_WRLCK) == 0;
        whyNot = held ? juce::String()
                      : "no kernel file lease on " + path + ": " + juce::String (std::strerror (errno));
    }
    ~StalledOpen()
    {
        lift();
        ::close (fd);
        std::signal (SIGIO, previousSigio);
    }
    bool isOpenWaiting() const { return fcntl (fd, F_GETLEASE) != F_WRLCK; }
    void lift()
    {
        if (held)
            fcntl (fd, F_SETLEASE, F_UNLCK);
        held = false;
    }

    const juce::String path;
    // The system tells the lease's holder by SIGIO, which would end the run.
    void (*const previousSigio) (int) = std::signal (SIGIO, SIG_IGN);
    const int fd = ::open (path.toRawUTF8(), O_RDONLY);
    bool held;
    juce::String whyNot;
};

// Whoever opens the folder waits in opendir(), as on a stalled network disk, until this lets it
// through: the system asks this holder of a fanotify permission mark, which answers on lift (or
// when it goes). Marks take CAP_SYS_ADMIN; without one `held` is false and `whyNot` says why.
struct StalledFolder
{
    explicit StalledFolder (const juce::File& folder)
        : path (folder.getFullPathName())
    {
        folder.createDirectory();
        group = fanotify_init (FAN_CLASS_CONTENT | FAN_CLOEXEC | FAN_NONBLOCK, O_RDONLY);
        held = group >= 0 && fanotify_mark (group, FAN_MARK_ADD, FAN_OPEN_PERM | FAN_ONDIR, AT_FDCWD,
                                            path.toRawUTF8()) == 0;
        whyNot = held
                     ? juce::String()
                     : "no fanotify permission mark on " + path + ": " + juce::String (std::strerror (errno));
    }
    ~StalledFolder() { lift(); }

    // Takes in the opens asked about, to be answered on lift.
    bool isOpenWaiting()
    {
        alignas (fanotify_event_metadata) char buffer[4096];
        auto size = ::read (group, buffer, sizeof (buffer));
        for (auto* e = (const fanotify_event_metadata*)buffer; FAN_EVENT_OK (e, size);
             e = FAN_EVENT_NEXT (e, size))
            waiting.push_back (e->fd);
        return ! waiting.empty();
    }
    void lift()
    {
        for (const int fd : waiting)
        {
            const fanotify_response allow{ fd, FAN_ALLOW };
            [[maybe_unused]] const auto written = ::write (group, &allow, sizeof (allow));
            ::close (fd);
        }
        waiting.clear();
        if (group >= 0)
            ::close (group); // lets through the opens not taken in yet, and drops the mark
        group = -1;
        held = false;
    }

    // One left stalled to the program's end is let through only after JUCE's leak check at exit
    // (this is made before anything JUCE counts, so it goes after), as the address sanitizer's
    // own check, which must stop every thread, would wait for ever on one waiting here: the
    // system stops such a thread for nothing short of a kill.
    void keepToTheEnd();

    const juce::String path;
    int group = -1;
    bool held;
    juce::String whyNot;
    std::vector<int> waiting;
};

struct LiftedLast
{
    ~LiftedLast()
    {
        if (stall != nullptr)
            stall->lift();
    }
    StalledFolder* stall = nullptr;
} liftedLast;

void StalledFolder::keepToTheEnd() { liftedLast.stall = this; }

// The ids of the reader's worker threads running now, less those in `known`. A worker goes by
// the first 15 characters of "Dragged Files Parse Queue", all that Linux keeps of a name.
std::set<juce::String> workerThreads (const std::set<juce::String>& known = {})
{
    std::set<juce::String> ids;
    for (const auto& task : juce::RangedDirectoryIterator (juce::File ("/proc/self/task"), false, "*",
                                                           juce::File::findDirectories))
        if (known.count (task.getFile().getFileName()) == 0 &&
            task.getFile().getChildFile ("comm").loadFileAsString().trimEnd() == "Dragged Files P")
            ids.insert (task.getFile().getFileName());
    return ids;
}

class SendMultiplePresetsWindowTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        show();
    }
    void TearDown() override
    {
        folder.deleteRecursively();
        WindowTest::TearDown();
    }

    void show()
    {
        app->showSendMultiplePresetsWindow();
        ASSERT_TRUE (testutil::deliverPostedMessages()); // the rows are rebuilt empty
    }

    SendMultiplePresetsWindow& window() { return *app->getSendMultiplePresetsWindow(); }
    SendMultiplePresetsComponent& content() { return *window().getContent(); }
    bool sendEnabled() { return content().getSendButton().isEnabled(); }

    Row& row (int number)
    {
        content().getList()->scrollToEnsureRowIsOnscreen (number);
        return dynamic_cast<Row&> (*content().getList()->getComponentForRowNumber (number));
    }

    // Whether the row takes a file drop, a main window's preset, a Browse and a Clear now.
    std::vector<bool> takes (int number)
    {
        auto& r = row (number);
        const juce::DragAndDropTarget::SourceDetails preset{ MainWindowDragDrop::dragDescription,
                                                             nullptr,
                                                             {} };
        return { r.isInterestedInFileDrag ({}), r.isInterestedInDragSource (preset),
                 r.getBrowseButton().isEnabled(), r.getClearButton().isEnabled() };
    }

    bool clear (int rowNumber)
    {
        click (window(), row (rowNumber).getClearButton());
        return testutil::runLoopUntil ([&] { return window().getSlotPreset (rowNumber) != nullptr; });
    }

    // A file at `path` under the test folder: the dump of a preset called `name`, else `bytes`.
    juce::File writeFile (const juce::String& path, const char* name, const Bytes& bytes = {})
    {
        const auto data = name != nullptr ? presetDump (0, bytesOf (namedPreset (name)->getData())) : bytes;
        const auto file = folder.getChildFile (path);
        file.getParentDirectory().createDirectory();
        file.replaceWithData (data.data(), data.size());
        return file;
    }

    // Each row's shown name, "-" for a row the window would not send, against `filled`.
    void expectRows (Filled filled)
    {
        for (int r = 0; r <= 20; ++r)
            EXPECT_EQ (window().getSlotPreset (r) == nullptr ? "-"
                                                             : row (r).getNameLabel().getText().trimEnd(),
                       filled.count (r) > 0 ? filled[r] : "-")
                << "row " << r;
    }

    static void keepToTheEnd (StalledOpen&) {} // the system stops a thread waiting on a lease
    static void keepToTheEnd (StalledFolder& stall) { stall.keepToTheEnd(); }

    // Drops what `stalled` makes (or `dropped`, when given) twice, closing the window or showing
    // it again while the worker is stuck; last, leaves a worker stuck to the program's end.
    template <typename Stall>
    void expectAStallHoldsUpNothing (const std::function<juce::File()>& stalled, const juce::File& dropped)
    {
        for (const bool close : { true, false })
        {
            SCOPED_TRACE (close ? "closed" : "shown again");
            show();
            Stall stall (stalled());
            if (! stall.held)
                GTEST_SKIP() << stall.whyNot;
            const auto before = workerThreads();
            const int made = *app->presetsMade;
            row (0).filesDropped (dropped == juce::File() ? stall.path : dropped.getFullPathName(), 0, 0);
            ASSERT_TRUE (testutil::runLoopUntil ([&] { return stall.isOpenWaiting(); }));
            const auto worker = workerThreads (before);
            ASSERT_EQ (worker.size(), 1u);

            juce::Component::SafePointer<juce::Component> shown (&window());
            close ? window().closeButtonPressed() : show();
            EXPECT_EQ (shown == nullptr, close);
            EXPECT_TRUE (stall.isOpenWaiting());
            EXPECT_EQ (workerThreads (before), worker);

            stall.lift();
            ASSERT_TRUE (testutil::runLoopUntil ([&] { return workerThreads (before).empty(); }, 20000));
            ASSERT_TRUE (testutil::deliverPostedMessages());
            EXPECT_EQ (*app->presetsMade, made);
            if (! close)
                expectRows ({});
        }

        static Stall* const stuckToTheEnd = new Stall (stalled());
        keepToTheEnd (*stuckToTheEnd);
        row (0).filesDropped (dropped == juce::File() ? stuckToTheEnd->path : dropped.getFullPathName(), 0,
                              0);
        ASSERT_TRUE (testutil::runLoopUntil ([&] { return stuckToTheEnd->isOpenWaiting(); }));
        window().closeButtonPressed();
    }

    juce::File folder = juce::File::createTempFile ("batch");
};
} // namespace

// A folder fills the rows in the order of its walk, whatever the extensions, skipping files that
// are no preset. The reading state lasts until the worker has stored its last file: Send, the
// rows' buttons and drop targets stay off all that time.
TEST_F (SendMultiplePresetsWindowTest,
        AFolderFillsRowsInWalkOrderAndNothingCanBeSentOrDroppedUntilTheLastIsStored)
{
    for (int i = 0; i < 400; ++i)
        writeFile ("noise/" + juce::String (i) + ".qrx571", nullptr, Bytes (1000, 0));
    for (int i = 0; i < 21; ++i)
        writeFile ("noise/" + juce::String (i % 3) + "/p" + juce::String (i) + (i % 2 ? ".bin" : ".qrx571"),
                   ("P" + juce::String (i)).toRawUTF8());
    Filled filled;
    for (const auto& entry : juce::RangedDirectoryIterator (folder, true))
        if (entry.getFile().getFileName().startsWith ("p"))
            filled[(int)filled.size()] = entry.getFile().getFileNameWithoutExtension().toUpperCase();

    row (0).filesDropped (folder.getFullPathName(), 0, 0);
    EXPECT_EQ (content().getStatusLabel().getText(), "Reading Dragged Files");
    const auto allStored = [&] { return window().getSlotPreset (20) != nullptr; }; // filled in order
    bool neverEarly = true;
    ASSERT_TRUE (testutil::runLoopUntil (
        [&]
        {
            if (takes (3) != std::vector<bool> (4, false) || sendEnabled())
                neverEarly = neverEarly && allStored();
            return sendEnabled();
        }));

    EXPECT_TRUE (neverEarly);
    EXPECT_EQ (takes (3), std::vector<bool> (4, true));
    EXPECT_EQ (content().getStatusLabel().getText(), "");
    expectRows (filled);
}

// A main window's preset on row 5 (a snapshot), a browsed file on row 2, a cleared row 7 showing
// the default preset it will send, and three presets dropped on row 19 among two files that are
// none (filling 19 and 20, no gap). A browsed file that is no preset leaves row 3 empty. Each browse
// or drop with a file that is no preset is reported once. Then Send: the device holds each row,
// and the window says so once and closes.
TEST_F (SendMultiplePresetsWindowTest, SendPutsEveryRowAtItsLocationThenReportsOnceAndCloses)
{
    apptest::DesktopAnswers answers;
    const auto notes = writeFile ("notes.txt", nullptr, Bytes (13, 'a'));
    answers.choose (notes);
    click (window(), row (3).getBrowseButton());
    ASSERT_TRUE (
        testutil::runLoopUntil ([&] { return ! app->messages.isEmpty() && ! window().isReading(); }));
    answers.choose (writeFile ("chosen.qrx571", "Chosen"));
    row (2).getBrowseButton().triggerClick();
    ASSERT_TRUE (
        testutil::runLoopUntil ([&] { return window().getSlotPreset (2) != nullptr && sendEnabled(); }));
    EXPECT_EQ (answers.seen, juce::StringArray ("Select Preset file to load", "Select Preset file to load"));

    auto edited = namedPreset ("Dragged");
    const auto snapshot = bytesOf (edited->getData());
    MainContentComponent surface (edited, EditorPictures::editorBackground());
    const juce::DragAndDropTarget::SourceDetails details{ MainWindowDragDrop::dragDescription, &surface, {} };
    ASSERT_TRUE (row (5).isInterestedInDragSource (details));
    row (5).itemDragEnter (details);
    row (5).itemDropped (details);
    edited->setName ("Later");

    ASSERT_TRUE (clear (7));
    Bytes noise (1083); // a preset file's size
    juce::Random (571).fillBitsRandomly (noise.data(), noise.size());
    juce::StringArray paths (writeFile ("19.qrx571", "Nineteen").getFullPathName(),
                             writeFile ("noise.qrx571", nullptr, noise).getFullPathName(),
                             notes.getFullPathName());
    for (auto* name : { "Twenty", "Past The Last" })
        paths.add (writeFile (juce::String (name) + ".qrx571", name).getFullPathName());
    ASSERT_TRUE (row (19).isInterestedInFileDrag (paths)); // dropped as JUCE drops files
    row (19).filesDropped (paths, 10, 10);
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return sendEnabled(); }));
    expectRows (
        { { 2, "Chosen" }, { 5, "Dragged" }, { 7, "Generic" }, { 19, "Nineteen" }, { 20, "Twenty" } });

    juce::Component::SafePointer<juce::Component> shown (&window());
    click (window(), content().getSendButton());
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return shown == nullptr; }));
    ASSERT_TRUE (testutil::deliverPostedMessages()); // no second report

    EXPECT_EQ (app->messages, juce::StringArray ("Error Opening File.", "Error Opening File.",
                                                 "Preset Sucessfully Sent to device."));
    EXPECT_EQ (device.getPresetImage (2), bytesOf (namedPreset ("Chosen")->getData()));
    EXPECT_EQ (device.getPresetImage (5), snapshot);
    EXPECT_EQ (device.getPresetImage (7), bytesOf (makeDefaultPreset()->getData()));
    EXPECT_EQ (device.getPresetImage (20), bytesOf (namedPreset ("Twenty")->getData()));
}

// Folder and file names in Japanese and with accents, as any user's may be: the folder is walked,
// its files and the one dropped beside it are read into the rows in walk order, and sent.
TEST_F (SendMultiplePresetsWindowTest, NamesInJapaneseAndWithAccentsAreWalkedReadAndSent)
{
    const auto top = folder.getChildFile (juce::String::fromUTF8 (u8"Jos\u00e9 Presets"));
    writeFile (
        juce::String::fromUTF8 (u8"Jos\u00e9 Presets/\u30d7\u30ea\u30bb\u30c3\u30c8/\u97f3\u8272.qrx571"),
        "Kanji");
    writeFile (juce::String::fromUTF8 (u8"Jos\u00e9 Presets/Caf\u00e9 cr\u00e8me.bin"),
               "Creme"); // a dump's size
    const auto beside = writeFile (juce::String::fromUTF8 (u8"\u30d4\u30a2\u30ce.qrx571"), "Piano");
    Filled filled;
    for (const auto& entry : juce::RangedDirectoryIterator (top, true))
        if (entry.getFile().existsAsFile())
            filled[(int)filled.size()] = entry.getFile().getParentDirectory() == top ? "Creme" : "Kanji";
    filled[(int)filled.size()] = "Piano";

    row (0).filesDropped (juce::StringArray (top.getFullPathName(), beside.getFullPathName()), 0, 0);
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return sendEnabled(); }));
    expectRows (filled);
    EXPECT_EQ (app->messages, juce::StringArray());

    juce::Component::SafePointer<juce::Component> shown (&window());
    click (window(), content().getSendButton());
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return shown == nullptr; }));
    for (const auto& [r, name] : filled)
        EXPECT_EQ (device.getPresetImage (r), bytesOf (namedPreset (name)->getData())) << name;
}

// Acknowledgements are made up here, the device staying silent, so each case decides which
// sends are acknowledged; whatever is left times out. The device answers oldest first. Until
// every send of the batch is answered no row can change: no drop is taken, Browse and Clear are
// off; then the rows are the user's again.
TEST_F (SendMultiplePresetsWindowTest,
        OnlyEveryOneOfItsOwnSendsAcknowledgedClosesTheWindowAndNoRowChangesMeanwhile)
{
    struct Case
    {
        const char* what;
        bool otherWindowSendsFirst, sendTwice;
        int acknowledgements;
        bool closes;
    } cases[] = { { "four of four", false, false, 4, true },
                  { "three of four, one timed out", false, false, 3, false },
                  { "another window's send and three of four", true, false, 4, false },
                  { "four, all for the Send before", false, true, 4, false } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
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
        EXPECT_EQ (takes (5), std::vector<bool> (4, false));
        for (int i = 0; i < c.acknowledgements; ++i)
            inject (acknowledgement);

        // Every send answered, by its acknowledgement or its time-out.
        ASSERT_TRUE (testutil::runLoopUntil ([&] { return app->sendResults.size() == answered + sends; }));
        EXPECT_EQ (app->getSendMultiplePresetsWindow() == nullptr, c.closes);
        EXPECT_EQ (app->messages.size(), c.closes ? 1 : 0);
        EXPECT_TRUE (c.closes ||
                     testutil::runLoopUntil ([&] { return takes (5) == std::vector<bool> (4, true); }));
    }
}

// The worker is stuck opening a file, or a folder of the one dropped. Closing the window, or
// showing it again, waits for nothing of the worker's: it returns with the worker still stuck
// there. Showing it again empties the rows for good: once let through, the worker ends having
// filled none and made no preset. Last, the program quits with a worker still stuck (on purpose):
// in a Debug build JUCE's leak check at exit then fails the run for anything it counts that the
// worker still holds (see JuceAssertionLogger).
TEST_F (SendMultiplePresetsWindowTest, AStalledReadHoldsUpNoCloseAndFillsNoRowsAfterAReset)
{
    expectAStallHoldsUpNothing<StalledOpen> ([this] { return writeFile ("stuck.qrx571", "Stuck"); }, {});
}

TEST_F (SendMultiplePresetsWindowTest, AStalledFolderWalkHoldsUpNoCloseAndFillsNoRowsAfterAReset)
{
    const auto dropped = folder.getChildFile ("walked");
    writeFile ("walked/before.qrx571", "Before");
    expectAStallHoldsUpNothing<StalledFolder> ([&] { return dropped.getChildFile ("stuck"); }, dropped);
    // The stuck folder goes unopened, so that the test's own clearing up is not stuck in it too.
    dropped.getChildFile ("stuck").deleteFile();
}
