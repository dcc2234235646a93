// The Open and Save As choosers as a user meets them: keys typed the moment one comes up, and the
// window manager's close.
#include "app/CommandIds.h"
#include "app/EditorTest.h"
#include "app/WindowManagerStandIn.h"
#include "ui/EditorStrings.h"

namespace
{
class PresetFileChooserTest : public apptest::EditorTest
{
protected:
    // While the next chooser is up, `action` is done to it. A user's keys reach the chooser after
    // the server's focus-in for it, so that is handled first: taken after the typing began, it
    // would hand the name box the keys again, and the box selects all it holds as it takes them.
    void meanwhileInChooser (std::function<void (juce::Component&)> action)
    {
        answers.meanwhile (
            [action]
            {
                testutil::deliverPendingXEvents();
                auto* box =
                    dynamic_cast<juce::FileChooserDialogBox*> (juce::Component::getCurrentlyModalComponent());
                ASSERT_NE (box, nullptr);
                action (*box);
            });
    }

    // Waits for the chooser to go; if it stays, its Cancel is clicked, so the test goes on to fail.
    static bool goes (juce::Component& box)
    {
        const juce::Component::SafePointer<juce::Component> up (&box);
        const auto gone = [&]
        {
            testutil::deliverPendingXEvents();
            return up == nullptr || ! up->isCurrentlyModal();
        };
        if (testutil::runLoopUntil (gone))
            return true;
        clickButton (box, "Cancel");
        return false;
    }

    // Keys typed one by one, to whatever in the box's window has them.
    static void type (juce::Component& box, const juce::String& text)
    {
        for (auto c : text)
            press (box, { juce::KeyPress ((int)c, 0, c) });
    }

    static void clickButton (juce::Component& box, const juce::String& text)
    {
        for (auto* button : aptest::findAll<juce::TextButton> (box))
            if (button->getButtonText() == text)
                return click (*button);
        ADD_FAILURE() << "no button " << text;
    }

    const juce::File folder = juce::File::createTempFile ("chooser-test");

    PresetFileChooserTest() { folder.createDirectory(); }
    ~PresetFileChooserTest() override { folder.deleteRecursively(); }
};

// The path typed key by key the moment the chooser is up, with no click first, then its own
// button clicked: Save As writes that file, Open opens it in a new window. Escape is still Cancel.
TEST_F (PresetFileChooserTest, SaveAsAndOpenTakeANameTypedAsTheyComeUp)
{
    start();
    const auto typed = folder.getChildFile ("Typed");
    const auto saved = typed.withFileExtension ("qrx571");
    const auto typeAndClick = [] (const juce::File& file, const char* button)
    {
        return [file, button] (juce::Component& box)
        {
            type (box, file.getFullPathName());
            clickButton (box, button);
            goes (box);
        };
    };

    meanwhileInChooser (typeAndClick (typed, "Save"));
    activate (mainWindow (0));
    press (mainWindow (0), { juce::KeyPress ('s', juce::ModifierKeys::commandModifier, 0) });
    ASSERT_TRUE (answers.allAnswered());
    EXPECT_TRUE (saved.existsAsFile());
    EXPECT_EQ (mainWindow (0).getFilePath(), saved.getFullPathName());

    meanwhileInChooser (typeAndClick (saved, "Open"));
    activate (mainWindow (0));
    press (mainWindow (0), { juce::KeyPress ('o', juce::ModifierKeys::commandModifier, 0) });
    ASSERT_TRUE (answers.allAnswered());
    ASSERT_EQ (numWindows(), 2);
    EXPECT_EQ (mainWindow (1).getFilePath(), saved.getFullPathName());

    meanwhileInChooser (
        [] (juce::Component& box)
        {
            press (box, { juce::KeyPress (juce::KeyPress::escapeKey) });
            EXPECT_TRUE (goes (box));
        });
    EXPECT_FALSE (mainWindow (0).saveAs());
    EXPECT_TRUE (answers.allAnswered());
}

// Alt+F4 or the title bar's × on the chooser: the window manager's close request. It counts as
// Cancel: Save As writes nothing and the window keeps its name; the Open chooser, left alone on
// screen by its window's close, lets the program quit.
TEST_F (PresetFileChooserTest, AChooserClosedByTheWindowManagerIsCancelled)
{
    start();
    const auto closeChooser = [] (juce::Component& box)
    {
        WindowManagerStandIn::sendCloseRequests ({ &box });
        EXPECT_TRUE (goes (box)) << box.getName();
    };

    meanwhileInChooser (closeChooser);
    EXPECT_FALSE (mainWindow (0).saveAs());
    EXPECT_TRUE (answers.allAnswered());
    EXPECT_EQ (mainWindow (0).getName(), "QRX571 Editor Untitled 1");
    EXPECT_EQ (mainWindow (0).getFilePath(), "");

    answers.meanwhile ([this] { mainWindow (0).closeButtonPressed(); });
    answers.press ("No");
    meanwhileInChooser (closeChooser);
    activate (mainWindow (0));
    press (mainWindow (0), { juce::KeyPress ('o', juce::ModifierKeys::commandModifier, 0) });
    EXPECT_TRUE (answers.allAnswered());
    EXPECT_EQ (numWindows(), 0);
    EXPECT_EQ (app->quits, 1);
}

// A close request for a window (its title bar's ×, a taskbar's "close all") or a quit that comes
// while the window's own Save As is up asks nothing and closes nothing: the chooser stays in front
// with the keys, and its Save writes the name typed there, before and after the request.
TEST_F (PresetFileChooserTest, ACloseOrQuitUnderAWindowsOwnSaveAsLeavesItsChooserWorking)
{
    start();
    apptest::DesktopAnswers unwanted; // No to the questions that must not come
    unwanted.press ("No");
    unwanted.press ("No");

    // The quit in the one window there is; the close request in a second one, opened with Ctrl+N.
    for (const bool closing : { false, true })
    {
        const juce::String name = closing ? "Closed" : "Quit";
        SCOPED_TRACE (name);
        if (closing)
        {
            activate (mainWindow (0));
            press (mainWindow (0), { shortcut ('n') });
        }
        ASSERT_EQ (numWindows(), closing ? 2 : 1);
        auto& window = mainWindow (numWindows() - 1);
        const auto path = folder.getChildFile (name).getFullPathName();

        meanwhileInChooser (
            [&] (juce::Component& box)
            {
                type (box, path.dropLastCharacters (2));
                if (closing)
                {
                    WindowManagerStandIn::sendCloseRequests ({ &window });
                    testutil::deliverPendingXEvents();
                }
                else
                    invoke (CommandIds::quit);
                EXPECT_TRUE (box.isCurrentlyModal());
                EXPECT_TRUE (box.hasKeyboardFocus (true));
                type (box, path.getLastCharacters (2));
                clickButton (box, "Save");
                goes (box);
            });
        activate (window);
        press (window, { shortcut ('s') });
        ASSERT_TRUE (answers.allAnswered());

        EXPECT_TRUE (juce::File (path + ".qrx571").existsAsFile());
        ASSERT_EQ (numWindows(), closing ? 2 : 1);
        EXPECT_EQ (window.getName(), "QRX571 Editor " + name);
        EXPECT_EQ (app->quits, 0);
    }
    EXPECT_EQ (answers.seen,
               juce::StringArray (EditorStrings::selectFilenameToSave, EditorStrings::selectFilenameToSave));
}

// New Folder in Save As, and the folder's name typed at once, with no click in its box first:
// Return makes the folder.
TEST_F (PresetFileChooserTest, TheNewFolderBoxTakesANameTypedAsItComesUp)
{
    start();
    const auto fresh = folder.getChildFile ("Fresh");
    meanwhileInChooser (
        [&] (juce::Component& box)
        {
            type (box, folder.getFullPathName() + "/");
            press (box, { enter }); // the chooser goes into the folder
            clickButton (box, "New Folder");
            // The box goes once it has made the folder.
            const juce::Component::SafePointer<juce::AlertWindow> named (
                dynamic_cast<juce::AlertWindow*> (juce::Component::getCurrentlyModalComponent()));
            ASSERT_NE (named, nullptr);
            testutil::deliverPendingXEvents();

            type (*named, "Fresh");
            press (*named, { enter });
            EXPECT_TRUE (testutil::runLoopUntil ([&] { return fresh.isDirectory(); }));

            if (named != nullptr && named->isCurrentlyModal())
                clickButton (*named, "Cancel");
            clickButton (box, "Cancel");
            goes (box);
        });
    EXPECT_FALSE (mainWindow (0).saveAs());
    EXPECT_TRUE (answers.allAnswered());
}
} // namespace
