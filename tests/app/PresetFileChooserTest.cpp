// The Open and Save As choosers as a user meets them: keys typed the moment one comes up, and the
// window manager's close.
#include "EditorTest.h"
#include "WindowManagerStandIn.h"
#include "app/CommandIds.h"
#include "model/DefaultPreset.h"
#include "ui/EditorStrings.h"

namespace
{
class PresetFileChooserTest : public apptest::EditorTest
{
protected:
    // The chooser up now, or null.
    static juce::FileChooserDialogBox* chooser()
    {
        return dynamic_cast<juce::FileChooserDialogBox*> (juce::Component::getCurrentlyModalComponent());
    }

    // Waits for the chooser to go; if it stays, its Cancel is clicked, so the test goes on to fail.
    static bool goes (juce::FileChooserDialogBox& box)
    {
        const juce::Component::SafePointer<juce::Component> up (&box);
        const auto gone = [&] { return up == nullptr || ! up->isCurrentlyModal(); };
        if (testutil::runLoopUntil (
                [&]
                {
                    testutil::deliverPendingXEvents();
                    return gone();
                }))
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

    juce::File presetFile (const juce::String& fileName, const juce::String& presetName)
    {
        auto preset = makeDefaultPreset();
        preset->setName (presetName);
        const auto file = folder.getChildFile (fileName);
        app->getEngine()->savePresetFile (file, preset.get());
        return file;
    }

    juce::StringArray titles() const
    {
        juce::StringArray names;
        for (auto* w : app->getWindowManager()->getWindows())
            names.add (w->getName());
        return names;
    }

    const juce::TemporaryFile temporary;
    const juce::File folder = temporary.getFile();

    PresetFileChooserTest() { folder.createDirectory(); }
    ~PresetFileChooserTest() override { folder.deleteRecursively(); }
};

// The path typed key by key the moment the chooser is up, with no click first, then its own
// button clicked: Save As writes that file, Open opens it in a new window.
TEST_F (PresetFileChooserTest, SaveAsAndOpenTakeANameTypedAsTheyComeUp)
{
    start();
    const auto typed = folder.getChildFile ("Typed");
    const auto saved = typed.withFileExtension ("qrx571");
    const auto typeAndClick = [this] (const juce::File& file, const char* button)
    {
        auto* box = chooser();
        ASSERT_NE (box, nullptr);
        for (auto c : file.getFullPathName())
            press (*box, { juce::KeyPress ((int)c, 0, c) });
        clickButton (*box, button);
        goes (*box);
    };

    mainWindow (0).getPreset()->setName ("Typed");
    answers.meanwhile ([&] { typeAndClick (typed, "Save"); });
    activate (mainWindow (0));
    press (mainWindow (0), { juce::KeyPress ('s', juce::ModifierKeys::commandModifier, 0) });
    ASSERT_TRUE (answers.allAnswered());
    EXPECT_TRUE (saved.existsAsFile());
    EXPECT_EQ (mainWindow (0).getFilePath(), saved.getFullPathName());

    const auto other = presetFile ("Other.qrx571", "Other");
    answers.meanwhile ([&] { typeAndClick (other, "Open"); });
    activate (mainWindow (0));
    press (mainWindow (0), { juce::KeyPress ('o', juce::ModifierKeys::commandModifier, 0) });
    ASSERT_TRUE (answers.allAnswered());
    EXPECT_EQ (titles().joinIntoString (", "), "QRX571 Editor Typed, QRX571 Editor Other.qrx571");

    // With the keys in the name box, Escape is still the chooser's Cancel.
    answers.meanwhile (
        [this]
        {
            auto* box = chooser();
            ASSERT_NE (box, nullptr);
            press (*box, { juce::KeyPress (juce::KeyPress::escapeKey) });
            EXPECT_TRUE (goes (*box));
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
    const auto closeChooser = [this]
    {
        auto* box = chooser();
        ASSERT_NE (box, nullptr);
        WindowManagerStandIn::sendCloseRequests ({ box });
        EXPECT_TRUE (goes (*box)) << box->getName();
    };

    answers.meanwhile (closeChooser);
    EXPECT_FALSE (mainWindow (0).saveAs());
    EXPECT_TRUE (answers.allAnswered());
    EXPECT_EQ (titles().joinIntoString (", "), "QRX571 Editor Untitled 1");
    EXPECT_EQ (mainWindow (0).getFilePath(), "");

    answers.meanwhile ([this] { mainWindow (0).closeButtonPressed(); });
    answers.press ("No");
    answers.meanwhile (closeChooser);
    activate (mainWindow (0));
    press (mainWindow (0), { juce::KeyPress ('o', juce::ModifierKeys::commandModifier, 0) });
    EXPECT_TRUE (answers.allAnswered());
    EXPECT_EQ (numWindows(), 0);
    EXPECT_EQ (app->quits, 1);
}

} // namespace
