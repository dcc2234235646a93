// The editor application made in the test process, on the device emulator's ports; the tests
// answer its boxes and choosers on the desktop. (Its happy paths are the end-to-end suite's.)
#include "EditorTest.h"
#include "WindowManagerStandIn.h"
#include "app/CommandIds.h"
#include "app/desktop/DocumentOpener.h"
#include "app/windows/about/AboutWindow.h"
#include "app/windows/midisetup/MidiSetupWindow.h"
#include "app/windows/sendmultiple/SendMultiplePresetsListModel.h"
#include "app/windows/sendmultiple/SendMultiplePresetsWindow.h"
#include "model/DefaultPreset.h"
#include "ui/EditorStrings.h"

#include <map>

namespace
{
class EditorApplicationTest : public apptest::EditorTest
{
protected:
    juce::StringArray titles() const
    {
        juce::StringArray names;
        for (auto* w : app->getWindowManager()->getWindows())
            names.add (w->getName());
        return names;
    }

    // A preset file named presetName, written by the editor.
    juce::File presetFile (const juce::String& fileName, const juce::String& presetName)
    {
        auto preset = makeDefaultPreset();
        preset->setName (presetName);
        const auto file = folder.getChildFile (fileName);
        app->getEngine()->savePresetFile (file, preset.get());
        return file;
    }

    bool isShowing (juce::Component* c) const { return c != nullptr && c->isOnDesktop() && c->isVisible(); }

    // What the boxes on screen now say (title, ". ", message).
    static juce::StringArray messagesShowing()
    {
        juce::StringArray shown;
        auto& desktop = juce::Desktop::getInstance();
        for (int i = 0; i < desktop.getNumComponents(); ++i)
            if (auto* box = dynamic_cast<juce::AlertWindow*> (desktop.getComponent (i));
                box != nullptr && box->isShowing())
                shown.add (box->getDescription());
        return shown;
    }

    // Whether the program's message with this text is on screen now.
    static bool isMessageShowing (const juce::String& text)
    {
        return messagesShowing().contains ("QRX571 Editor. " + text);
    }

    juce::File folder = juce::File::createTempFile ("app-test");

    EditorApplicationTest() { folder.createDirectory(); }
    ~EditorApplicationTest() override { folder.deleteRecursively(); }
};

juce::String titled (const juce::String& name) { return "QRX571 Editor " + name; }

// Untitled numbers count every window ever made, the cascade only the open ones, and Ctrl+W asks
// about and closes only the focused window. With no window left the program quits; a quit then asks
// nothing, Bring All To Front is off, and the program's own commands still work.
TEST_F (EditorApplicationTest, NewWindowsAreNumberedAndCascadedCtrlWClosesTheFocusedOneAndNoWindowQuits)
{
    start();
    auto isBringAllToFrontActive = [this]
    {
        juce::ApplicationCommandInfo info (CommandIds::bringAllToFront);
        app->getCommandInfo (CommandIds::bringAllToFront, info);
        return (info.flags & juce::ApplicationCommandInfo::isDisabled) == 0;
    };
    invoke (CommandIds::newPreset);
    EXPECT_EQ (mainWindow (0).getPosition(), juce::Point<int> (30, 75));
    EXPECT_EQ (mainWindow (1).getPosition(), juce::Point<int> (45, 90));

    answers.press ("No");
    activate (mainWindow (0));
    press (mainWindow (0), { juce::KeyPress ('w', juce::ModifierKeys::commandModifier, 0) });
    EXPECT_EQ (answers.seen, juce::StringArray ("Save Document. Save Preset: Untitled 1"));
    invoke (CommandIds::newPreset);
    invoke (CommandIds::newPreset);
    EXPECT_EQ (titles(),
               juce::StringArray (titled ("Untitled 2"), titled ("Untitled 3"), titled ("Untitled 4")));
    EXPECT_EQ (mainWindow (1).getPosition(), juce::Point<int> (45, 90));
    EXPECT_TRUE (isBringAllToFrontActive());

    for (int i = 0; i < 3; ++i)
        answers.press ("No");
    invoke (CommandIds::quit);
    EXPECT_EQ (numWindows(), 0);
    EXPECT_EQ (app->quits, 1);
    EXPECT_FALSE (isBringAllToFrontActive());

    invoke (CommandIds::quit);
    EXPECT_EQ (app->quits, 2);
    EXPECT_EQ (answers.seen.size(), 4);
    invoke (CommandIds::newPreset);
    EXPECT_EQ (numWindows(), 1);
}

TEST_F (EditorApplicationTest, EngineFailuresBecomeMessagesAndAMissingDeviceOpensMidiSetupFirst)
{
    // Each result and the message it shows; a missing device opens MIDI Setup as well. Load From
    // Hardware's requests fail as sends do, and say so alike.
    const std::pair<std::function<void (QRX5EditorApplication&)>, juce::String> rows[] = {
        { [] (auto& a) { a.sendPresetResult (nullptr, 0); }, EditorStrings::midiDeviceNotFound },
        { [] (auto& a) { a.sendPresetResult (nullptr, 1); }, EditorStrings::noPresetAcknowledgement },
        { [] (auto& a) { a.sendPresetResult (nullptr, 2); }, {} },
        { [] (auto& a) { a.requestPresetResult (0); }, EditorStrings::midiDeviceNotFound },
        { [] (auto& a) { a.requestPresetResult (1); }, EditorStrings::noPresetAcknowledgement },
        { [] (auto& a) { a.requestPresetResult (2); }, {} },
        { [] (auto& a) { a.openPresetFileResult (0); }, EditorStrings::errorOpeningFile },
        { [] (auto& a) { a.openPresetFileResult (1); }, EditorStrings::errorOpeningFile },
        { [] (auto& a) { a.openPresetFileResult (2); }, {} },
        { [] (auto& a) { a.savePresetFileResult (0); }, {} }, // the saving window said so at once
        { [] (auto& a) { a.savePresetFileResult (1); }, {} }, // written
    };
    start();
    for (size_t row = 0; row < std::size (rows); ++row)
    {
        const auto& [result, message] = rows[row];
        SCOPED_TRACE ("row " + juce::String ((int)row) + ": " + message);
        result (*app);
        ASSERT_TRUE (testutil::deliverPostedMessages());

        EXPECT_EQ (messagesShowing(),
                   message.isEmpty() ? juce::StringArray() : juce::StringArray ("QRX571 Editor. " + message));
        auto* setup = app->getMidiSetupWindow();
        EXPECT_EQ (isShowing (setup), message == EditorStrings::midiDeviceNotFound);
        if (isShowing (setup))
        {
            // Made first, so it lies under the message, which is on top.
            auto& desktop = juce::Desktop::getInstance();
            auto* top = desktop.getComponent (desktop.getNumComponents() - 1);
            EXPECT_NE (dynamic_cast<juce::AlertWindow*> (top), nullptr);
            setup->closeButtonPressed();
        }
        juce::ModalComponentManager::getInstance()->cancelAllModalComponents();
    }
}

// Yes, then a cancelled chooser or a write that fails, counts as Cancel: the window keeps its
// preset, title and path, and the close, open or quit stops. A failed write says so at once.
TEST_F (EditorApplicationTest, YesThatSavesNothingKeepsTheWindowAndItsEdits)
{
    start();
    mainWindow (0).getPreset()->setName ("Edited");
    const auto onDisk = presetFile ("Other.qrx571", "Other");
    ASSERT_TRUE (folder.getChildFile ("plain").create());
    const auto unwritable = folder.getChildFile ("plain").getChildFile ("Live.qrx571"); // even for root

    const std::function<void()> ways[] = { [&] { mainWindow (0).closeButtonPressed(); },
                                           [&] { mainWindow (0).openFile (onDisk); },
                                           [&] { invoke (CommandIds::quit); },
                                           [&] { mainWindow (0).saveAs(); } };
    for (const auto& chosen : { juce::File(), unwritable })
        for (const auto& closeOrOpenOrQuitOrSaveAs : ways)
        {
            if (&closeOrOpenOrQuitOrSaveAs != &ways[3])
                answers.press ("Yes");
            answers.choose (chosen);
            closeOrOpenOrQuitOrSaveAs();

            EXPECT_EQ (isMessageShowing (EditorStrings::errorSavingFile), chosen == unwritable);
            if (chosen == unwritable)
                answers.press ("OK");
            ASSERT_TRUE (answers.waitUntilAllAnswered());
            ASSERT_EQ (numWindows(), 1);
            EXPECT_EQ (mainWindow (0).getPreset()->getName(), "Edited");
            EXPECT_EQ (mainWindow (0).getName(), titled ("Untitled 1"));
            EXPECT_EQ (mainWindow (0).getFilePath(), "");
            EXPECT_EQ (app->quits, 0);
        }
}

// A name typed without the extension gets it before the overwrite question, so the question, the
// file written and the title all concern Live.qrx571; Cancel there goes back to the chooser. (A
// name new to the folder is the end-to-end suite's.)
TEST_F (EditorApplicationTest, SaveAsAddsTheExtensionBeforeAskingToOverwrite)
{
    start();
    const auto typed = folder.getChildFile ("Live");
    const auto live = presetFile ("Live.qrx571", "Old");
    mainWindow (0).getPreset()->setName ("New");
    for (const auto* answer : { "Cancel", "Overwrite" })
    {
        answers.choose (typed);
        answers.press (answer);
    }
    EXPECT_TRUE (mainWindow (0).saveAs());

    answers.seen.removeString (EditorStrings::selectFilenameToSave); // the questions are left
    EXPECT_EQ (answers.seen.size(), 2);
    for (const auto& question : answers.seen)
        EXPECT_TRUE (question.contains (live.getFullPathName())) << question;
    EXPECT_FALSE (typed.exists());
    juce::MemoryBlock written, expected;
    live.loadFileAsData (written);
    presetFile ("Expected.qrx571", "New").loadFileAsData (expected);
    EXPECT_EQ (written, expected);
    EXPECT_EQ (mainWindow (0).getName(), titled ("Live"));
    EXPECT_EQ (mainWindow (0).getFilePath(), live.getFullPathName());
}

// The window manager's close request still reaches a window while a box is up. A window closed
// under its own chooser is asked nothing and stays, its chooser up; one closed again while its question
// is up is asked once; a close that waited behind a quit that has closed its window asks nothing;
// the other window still works, and the program quits once every window is answered.
TEST_F (EditorApplicationTest, AWindowClosedWhileItsBoxIsUpIsAskedOnceAndLeftAlone)
{
    const auto never = folder.getChildFile ("Never.qrx571");
    const auto question = [] (int n) { return "Save Document. Save Preset: Untitled " + juce::String (n); };
    enum class Case
    {
        underItsSaveAs,
        againWhileItsQuestionIsUp,
        behindAQuitAskingAnother
    };
    for (const auto c :
         { Case::underItsSaveAs, Case::againWhileItsQuestionIsUp, Case::behindAQuitAskingAnother })
    {
        SCOPED_TRACE (c == Case::underItsSaveAs              ? "closed under its own Save As"
                      : c == Case::againWhileItsQuestionIsUp ? "closed again while its question is up"
                                                             : "closed while the quit asks about another");
        never.deleteFile();
        start();
        invoke (CommandIds::newPreset);
        {
            auto* first = &mainWindow (0); // held by nobody else
            auto* second = &mainWindow (1);
            apptest::DesktopAnswers a;
            if (c == Case::underItsSaveAs)
            {
                {
                    apptest::DesktopAnswers unwanted;
                    unwanted.press ("No"); // for a question that must not come
                    a.meanwhile ([first] { first->closeButtonPressed(); });
                    a.choose ({});
                    activate (*first);
                    press (*first, { juce::KeyPress ('s', juce::ModifierKeys::commandModifier, 0) });
                    EXPECT_EQ (a.seen, juce::StringArray (EditorStrings::selectFilenameToSave));
                }
                ASSERT_EQ (numWindows(), 2);
                a.press ("No");
                first->closeButtonPressed(); // once the chooser is answered, the close asks
                EXPECT_EQ (a.seen, juce::StringArray (EditorStrings::selectFilenameToSave, question (1)));
            }
            else if (c == Case::againWhileItsQuestionIsUp)
            {
                a.meanwhile ([first] { first->closeButtonPressed(); });
                a.press ("No");
                a.press ("Cancel"); // for a question that must not come
                first->closeButtonPressed();
                EXPECT_EQ (a.seen, juce::StringArray (question (1)));
            }
            else
            {
                a.meanwhile ([second] { second->closeButtonPressed(); });
                a.press ("No");
                a.press ("No");
                a.press ("Cancel"); // for a question that must not come
                invoke (CommandIds::quit);
                ASSERT_TRUE (testutil::runLoopUntil ([this] { return app->quits == 1; }));
                testutil::deliverPostedMessages();
                EXPECT_EQ (a.seen, juce::StringArray (question (1), question (2)));
                EXPECT_FALSE (a.allAnswered()); // the Cancel was never wanted
            }
        }
        EXPECT_FALSE (never.exists());
        if (c == Case::behindAQuitAskingAnother)
        {
            EXPECT_EQ (titles(), juce::StringArray());
            EXPECT_EQ (app->quits, 1);
        }
        else
        {
            EXPECT_EQ (titles(), juce::StringArray (titled ("Untitled 2")));
            EXPECT_EQ (app->quits, 0);
            answers.press ("No");
            mainWindow (0).closeButtonPressed();
            EXPECT_EQ (app->quits, 1);
        }
        stop();
    }
}

// With no main window left, a batch that succeeds says so and closes its window; the program quits
// once the message is dismissed, not before.
TEST_F (EditorApplicationTest, TheLastMessageIsReadBeforeTheProgramQuits)
{
    start();
    invoke (CommandIds::sendMultiplePresets);
    juce::Component::SafePointer<SendMultiplePresetsWindow> batch (app->getSendMultiplePresetsWindow());
    answers.press ("No");
    mainWindow (0).closeButtonPressed();
    ASSERT_EQ (app->quits, 0);

    using Row = SendMultiplePresetsWindow::PresetListBoxModel::PresetListRowComponent;
    auto* list = batch->getContent()->getList();
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return list->getComponentForRowNumber (0) != nullptr; }));
    dynamic_cast<Row&> (*list->getComponentForRowNumber (0)).getClearButton().triggerClick();
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return batch->getSlotPreset (0) != nullptr; }));
    batch->getContent()->getSendButton().triggerClick();

    ASSERT_TRUE (testutil::runLoopUntil ([&] { return batch == nullptr; }));
    EXPECT_TRUE (isMessageShowing (EditorStrings::presetSentSuccessfully));
    EXPECT_EQ (app->quits, 0);
    answers.press ("OK");
    EXPECT_TRUE (testutil::runLoopUntil ([&] { return app->quits == 1; }));
}

TEST_F (EditorApplicationTest, AWindowTakesAFileOnlyWhenItLoaded)
{
    start();
    const auto good = presetFile ("Good.qrx571", "Good");
    const auto users = folder.getChildFile ("Notes.qrx571");
    users.replaceWithText (juce::String::repeatedString ("not a preset ", 90));
    const auto before = users.loadFileAsString();

    // Opening into an unedited default window asks nothing.
    mainWindow (0).openFile (good);
    EXPECT_TRUE (answers.seen.isEmpty());
    EXPECT_EQ (mainWindow (0).getName(), titled ("Good.qrx571"));

    app->openFileInNewWindow (users);
    testutil::runLoopFor (40);
    EXPECT_EQ (answers.seen, juce::StringArray ("QRX571 Editor. " + EditorStrings::errorOpeningFile));
    EXPECT_EQ (mainWindow (1).getName(), titled ("Untitled 2"));

    // Saving that window asks where, instead of writing the default preset over the file.
    answers.press ("OK");
    ASSERT_TRUE (answers.waitUntilAllAnswered());
    answers.choose ({});
    mainWindow (1).save();
    ASSERT_TRUE (answers.waitUntilAllAnswered());
    EXPECT_EQ (users.loadFileAsString(), before);

    answers.press ("No");
    mainWindow (0).openFile (users);
    EXPECT_EQ (mainWindow (0).getName(), titled ("Good.qrx571"));
    EXPECT_EQ (mainWindow (0).getFilePath(), good.getFullPathName());
}

TEST_F (EditorApplicationTest, AboutClosesOnAClickAndComesBackAndAloneItKeepsTheProgramRunning)
{
    start();
    invoke (CommandIds::about);
    auto* about = app->getAboutWindow();
    ASSERT_TRUE (isShowing (about));
    EXPECT_TRUE (about->isAlwaysOnTop());
    EXPECT_EQ (about->getContentComponent()->getLocalBounds(),
               juce::Rectangle<int> (501, 275)); // not squeezed

    answers.press ("No");
    mainWindow (0).closeButtonPressed();
    EXPECT_EQ (app->quits, 0) << "the About window is still on screen";

    clickAt (*about, { 250, 40 });
    EXPECT_FALSE (about->isOnDesktop());
    EXPECT_EQ (app->quits, 1);

    app->showAboutWindow();
    EXPECT_EQ (app->getAboutWindow(), about);
    EXPECT_TRUE (isShowing (about));
}

// A quit and close requests that come while a save question is open wait their turn: one question
// on screen at a time, each window asked once, each window answered gone before the next question,
// and a Cancel keeps just its window and drops no other request.
TEST_F (EditorApplicationTest, CloseRequestsSentAtOnceAreAskedOneAtATime)
{
    // The window manager's requests, read by the program before the test goes on.
    const auto closeRequests = [this] (std::vector<int> numbers)
    {
        juce::Array<juce::Component*> windows;
        for (auto n : numbers)
            for (auto* w : app->getWindowManager()->getWindows())
                if (w->getName() == titled ("Untitled " + juce::String (n)))
                    windows.add (w);
        WindowManagerStandIn::sendCloseRequests (windows);
        testutil::deliverPostedMessages();
    };
    // What the screen shows as each question comes: the question, how many boxes and main windows.
    juce::StringArray seen;
    const std::function<void()> onScreen = [&seen]
    {
        juce::String question;
        int boxes = 0, windows = 0;
        auto& desktop = juce::Desktop::getInstance();
        for (int i = 0; i < desktop.getNumComponents(); ++i)
            if (auto* c = desktop.getComponent (i); c->isShowing())
            {
                if (auto* box = dynamic_cast<juce::AlertWindow*> (c))
                    question = box->getDescription();
                boxes += dynamic_cast<juce::AlertWindow*> (c) != nullptr;
                windows += dynamic_cast<MainWindow*> (c) != nullptr;
            }
        seen.add (question + ", boxes " + juce::String (boxes) + ", windows " + juce::String (windows));
    };
    // One question at a time, and every window answered No has gone before the next.
    const auto asked = [] (int untitled, int windows)
    {
        return "Save Document. Save Preset: Untitled " + juce::String (untitled) + ", boxes 1, windows " +
               juce::String (windows);
    };

    // A quit cancelled, with closes of another window and of the one asked sent during its question.
    start();
    for (int i = 1; i < 4; ++i)
        invoke (CommandIds::newPreset);
    answers.meanwhile (
        [&]
        {
            onScreen();
            closeRequests ({ 3, 1 });
        });
    answers.press ("Cancel");
    answers.meanwhile (onScreen);
    answers.press ("No");
    invoke (CommandIds::quit);
    ASSERT_TRUE (answers.waitUntilAllAnswered());
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return numWindows() == 3; }));
    testutil::deliverPostedMessages();
    EXPECT_EQ (seen.joinIntoString ("\n"),
               juce::StringArray (asked (1, 4), asked (3, 4)).joinIntoString ("\n"));
    EXPECT_EQ (titles(),
               juce::StringArray (titled ("Untitled 1"), titled ("Untitled 2"), titled ("Untitled 4")));
    EXPECT_EQ (app->quits, 0);
    stop();

    // A quit sent among closes.
    seen.clear();
    start();
    for (int i = 1; i < 5; ++i)
        invoke (CommandIds::newPreset);
    for (int i = 0; i < 5; ++i)
    {
        answers.meanwhile (
            [&, i]
            {
                onScreen();
                if (i == 1)
                    invoke (CommandIds::quit);
            });
        answers.press ("No");
    }
    closeRequests ({ 2, 4 });
    ASSERT_TRUE (answers.waitUntilAllAnswered());
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return numWindows() == 0; }));
    testutil::deliverPostedMessages();
    EXPECT_EQ (seen.joinIntoString ("\n"),
               juce::StringArray (asked (2, 5), asked (4, 4), asked (1, 3), asked (3, 2), asked (5, 1))
                   .joinIntoString ("\n"));
    EXPECT_EQ (app->quits, 1);
    stop();

    // Eight close buttons pressed in messages posted together, the fourth window answered Cancel.
    seen.clear();
    start();
    for (int i = 1; i < 8; ++i)
        invoke (CommandIds::newPreset);
    juce::StringArray expected;
    for (int n = 1, windows = 8; n <= 8; ++n)
    {
        answers.meanwhile (onScreen);
        answers.press (n == 4 ? "Cancel" : "No");
        expected.add (asked (n, windows));
        windows -= n == 4 ? 0 : 1;
    }
    for (auto* w : app->getWindowManager()->getWindows())
        juce::MessageManager::callAsync (
            [w = juce::Component::SafePointer<MainWindow> (w)]
            {
                if (w != nullptr)
                    w->closeButtonPressed();
            });
    ASSERT_TRUE (answers.waitUntilAllAnswered());
    ASSERT_TRUE (testutil::runLoopUntil ([&] { return numWindows() == 1; }));
    testutil::deliverPostedMessages();
    EXPECT_EQ (seen.joinIntoString ("\n"), expected.joinIntoString ("\n"));
    EXPECT_EQ (titles(), juce::StringArray (titled ("Untitled 4")));
    EXPECT_EQ (app->quits, 0);
}

// Ctrl+O in the only window, then that window closed: the chooser still up keeps the program
// running. A file chosen then opens in a new window; with none the program quits.
TEST_F (EditorApplicationTest, TheOpenChooserKeepsTheProgramRunningUntilItIsAnswered)
{
    for (const bool choose : { false, true })
    {
        SCOPED_TRACE (choose);
        start();
        const auto chosen = choose ? presetFile ("Good.qrx571", "Good") : juce::File();
        int quitsWhileChoosing = -1;
        answers.meanwhile ([this] { mainWindow (0).closeButtonPressed(); });
        answers.press ("No");
        answers.meanwhile ([&] { quitsWhileChoosing = app->quits; });
        answers.choose (chosen);
        activate (mainWindow (0));
        press (mainWindow (0), { juce::KeyPress ('o', juce::ModifierKeys::commandModifier, 0) });

        EXPECT_TRUE (answers.allAnswered());
        EXPECT_EQ (quitsWhileChoosing, 0);
        EXPECT_EQ (app->quits, choose ? 0 : 1);
        EXPECT_EQ (titles(), choose ? juce::StringArray (titled ("Good.qrx571")) : juce::StringArray());
        stop();
    }
}

// Help > Open User Guide hands the guide to the desktop's opener, xdg-open on the PATH. A missing
// guide is named as missing; when there is no opener, or it fails, the program says the guide could
// not be opened and where it is, so the user can open it another way.
TEST_F (EditorApplicationTest, AGuideThatCannotBeOpenedShowsWhereItIs)
{
    start();
    const auto guide = QRX5EditorApplication::getUserGuideLocations (
        juce::File::getSpecialLocation (juce::File::currentExecutableFile))[0];
    const auto bin = folder.getChildFile ("bin");
    const auto opened = folder.getChildFile ("opened");
    const auto path = juce::SystemStats::getEnvironmentVariable ("PATH", {});
    bin.createDirectory();
    const auto missing = "Unable to find user guide.\n" + guide.getFullPathName();
    const auto notOpened = "Unable to open user guide.\n" + guide.getFullPathName();
    // What each row is, its opener's script (none for no opener) and the message it shows.
    const std::tuple<const char*, juce::String, juce::String> rows[] = {
        { "no guide", {}, missing }, // the guide is there from the next row on
        { "no opener", {}, notOpened },
        { "an opener that finds nothing to open it with", "exit 3", notOpened },
        { "an opener that opens it", "printf %s \"$1\" > " + opened.getFullPathName().quoted ('\''), {} },
    };
    guide.deleteFile();
    for (const auto& [what, opener, message] : rows)
    {
        SCOPED_TRACE (what);
        if (opener.isNotEmpty()) // the rows' openers come in turn, each over the last
        {
            const auto script = bin.getChildFile ("xdg-open");
            script.replaceWithText ("#!/bin/sh\n" + opener + "\n", false, false, "\n");
            script.setExecutePermission (true);
        }
        setenv ("PATH", bin.getFullPathName().toRawUTF8(), 1);
        invoke (CommandIds::openUserGuide);
        setenv ("PATH", path.toRawUTF8(), 1);

        if (opener.contains ("printf"))
        {
            EXPECT_TRUE (testutil::runLoopUntil (
                [&] { return opened.loadFileAsString() == guide.getFullPathName(); }));
            EXPECT_TRUE (testutil::runLoopUntil ([&] { return ! app->getUserGuideOpener()->isWatching(); }));
            testutil::deliverPostedMessages();
            EXPECT_FALSE (isMessageShowing (missing));
            EXPECT_FALSE (isMessageShowing (notOpened));
        }
        else
        {
            EXPECT_TRUE (testutil::runLoopUntil ([&] { return isMessageShowing (message); }));
            answers.press ("OK");
            EXPECT_TRUE (answers.waitUntilAllAnswered());
        }
        guide.replaceWithText ("the guide");
    }
    guide.deleteFile();
}

} // namespace
