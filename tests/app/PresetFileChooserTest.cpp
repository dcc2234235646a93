// The Open and Save As choosers as a user meets them: keys typed the moment one comes up, and the
// window manager's close.
#include "EditorTest.h"
#include "WindowManagerStandIn.h"

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
            for (auto c : file.getFullPathName())
                press (box, { juce::KeyPress ((int)c, 0, c) });
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
} // namespace
