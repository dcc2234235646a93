// Modifier keys as the X server sends them. A window manager's own shortcut (Alt+F4) takes the
// keyboard while the user lets Alt go, so the program sees Alt pressed and never let go; the
// program's shortcuts must still work once one of its windows has the keys again.
#include "app/CommandIds.h"
#include "app/EditorTest.h"
#include "support/ServerKeyboard.h"

#include <optional>

namespace
{
class ModifierKeysTest : public apptest::EditorTest
{
};

// Covers its window and takes its keys, so that JUCE tells it of every change of the modifier
// keys there; keys without modifiers stop at it.
struct ModifierKeysHeard : public juce::Component
{
    explicit ModifierKeysHeard (juce::Component& window)
    {
        setWantsKeyboardFocus (true);
        setBounds (window.getLocalBounds());
        window.addAndMakeVisible (this);
        grabKeyboardFocus();
    }
    ~ModifierKeysHeard() override
    {
        if (auto* window = getParentComponent())
            window->removeChildComponent (this);
    }
    void modifierKeysChanged (const juce::ModifierKeys& modifiers) override { last = modifiers; }
    bool keyPressed (const juce::KeyPress& key) override
    {
        return ! key.getModifiers().isAnyModifierKeyDown();
    }

    std::optional<juce::ModifierKeys> last;
};
} // namespace

// Alt+F4 as a window manager takes it: Alt reaches the window, then the window manager holds the
// keyboard, closes the window (the keys go to another) or asks its question and is answered
// Cancel (they stay), and Alt is let go while it still holds the keyboard. The next key tells the
// window that Alt is up, and Ctrl+N opens a new window.
TEST_F (ModifierKeysTest, AnAltLetGoWhileTheWindowManagerHadTheKeyboardLeavesTheShortcutsWorking)
{
    start();
    testutil::ServerKeyboard keyboard;
    ASSERT_TRUE (keyboard.isOpen());
    invoke (CommandIds::newPreset);

    for (const auto& [pressedIn, comesBackTo] : { std::pair (0, 1), std::pair (2, 2) })
    {
        SCOPED_TRACE (comesBackTo);
        const int windows = numWindows();
        activate (mainWindow (pressedIn));
        keyboard.key ("Alt_L", true);
        ASSERT_TRUE (
            testutil::runLoopUntil ([] { return juce::ModifierKeys::currentModifiers.isAltDown(); }));

        keyboard.grab();
        activate (mainWindow (comesBackTo));
        ModifierKeysHeard heard (mainWindow (comesBackTo));
        testutil::deliverPostedMessages();
        keyboard.key ("Alt_L", false);
        keyboard.ungrab();

        keyboard.key ("Escape", true);
        keyboard.key ("Escape", false);
        EXPECT_TRUE (heard.last.has_value() && ! heard.last->isAltDown());

        keyboard.key ("Control_L", true);
        keyboard.key ("n", true);
        keyboard.key ("n", false);
        keyboard.key ("Control_L", false);
        ASSERT_TRUE (testutil::runLoopUntil ([&] { return numWindows() == windows + 1; }));
    }
}
