// A window that goes while one of its chooser lists or menus is open takes the list with it, before
// its components and their looks go: nothing is left on screen, and no list draws with a look
// that is gone (JUCE's assertion in the Debug builds).
#include "app/CommandIds.h"
#include "app/EditorTest.h"
#include "app/WindowManagerStandIn.h"
#include "app/windows/AutoPopToolWindow.h"
#include "app/windows/GlobalSettingsWindow.h"
#include "app/windows/sendpreset/SendPresetWindow.h"
#include "ui/CommonParametersLCDView.h"
#include "ui/EditorStrings.h"

#include <functional>
#include <tuple>

namespace
{
// Each open list or menu is a window of its own on the desktop, named "menu".
bool isMenuOpen (bool orClosing)
{
    auto& desktop = juce::Desktop::getInstance();
    for (int i = 0; i < desktop.getNumComponents(); ++i)
        if (auto* c = desktop.getComponent (i); c->getName() == "menu" && (orClosing || c->isVisible()))
            return true;
    return false;
}

juce::ComboBox& firstChooser (juce::Component& parent)
{
    for (auto* box : aptest::findAll<juce::ComboBox> (parent))
        if (box->isShowing())
            return *box;
    throw std::logic_error ("no chooser shown");
}

using OpenMenusTest = apptest::EditorTest;

// Every kind of window that opens lists or menus (the others open none): a list opened by a real
// click, then its window, or the main window that owns it, closed as the user closes it.
TEST_F (OpenMenusTest, AWindowThatGoesClosesItsOpenListsAndMenusFirst)
{
    // The main window closed by its title bar's button, answered No on the desktop.
    auto titleBar = [this]
    {
        answers.press ("No");
        mainWindow().closeButtonPressed();
        EXPECT_TRUE (answers.waitUntilAllAnswered());
    };
    auto autoPopulate = [this]
    {
        invokeOnMainWindow (CommandIds::autoPopulateTool);
        click (firstChooser (*mainWindow().getAutoPopToolWindow()));
    };

    // What each case is, how it opens its list, and how it closes the window.
    const std::tuple<const char*, std::function<void()>, std::function<void()>> cases[] = {
        { "a display's chooser, main window closed", [this] { click (firstChooser (surface())); }, titleBar },
        // The menu bar tops the window, its File menu first.
        { "the File menu, main window closed", [this] { clickAt (mainWindow(), juce::Point<int> (12, 10)); },
          titleBar },
        { "the name box's own menu, main window closed",
          [this] {
              click (surface().getCommonParametersView()->getNameEditor(),
                     juce::ModifierKeys::rightButtonModifier);
          },
          titleBar },
        { "Auto Populate's chooser, the tool closed", autoPopulate,
          [this] { mainWindow().getAutoPopToolWindow()->closeButtonPressed(); } },
        { "Auto Populate's chooser, main window closed", autoPopulate, titleBar },
        { "Send Preset's chooser, the tool closed",
          [this]
          {
              invokeOnMainWindow (CommandIds::sendToHardware);
              click (firstChooser (*mainWindow().getSendPresetWindow()));
          },
          [this] { mainWindow().getSendPresetWindow()->closeButtonPressed(); } },
        { "Global Settings' chooser, window closed",
          [this]
          {
              invoke (CommandIds::globalSettingsEditor);
              click (firstChooser (*app->getGlobalSettingsWindow()));
          },
          [this] { app->getGlobalSettingsWindow()->closeButtonPressed(); } },
    };

    for (const auto& [what, openList, closeWindow] : cases)
    {
        SCOPED_TRACE (what);
        start();
        openList();
        ASSERT_TRUE (testutil::runLoopUntil ([] { return isMenuOpen (false); }));
        closeWindow();
        EXPECT_TRUE (testutil::runLoopUntil ([] { return ! isMenuOpen (true); }, 3000));
        stop();
    }
}

// Every modal box closes each open list and menu of the program as it comes up: none stays over it
// to take a click while the box waits, and the menu bar works as before once the box is answered.
TEST_F (OpenMenusTest, EveryModalBoxClosesTheOpenListsAndMenusAsItComesUp)
{
    // Knob 1's TYPE list in the main window, opened by real clicks.
    auto typeList = [this] (MainWindow& window)
    {
        auto& surface = dynamic_cast<MainContentComponent&> (*window.getContentComponent());
        click (*surface.getKnobView (0));
        click (viewtest::chooser (*surface.getParameterView(), "TYPE"));
    };
    auto closeRequest = [] (MainWindow& window) { WindowManagerStandIn::sendCloseRequests ({ &window }); };

    // What each case is, how it opens a list or menu, how its box comes up, and the button that
    // answers the box without closing any window.
    const std::tuple<const char*, std::function<void()>, std::function<void()>, const char*> cases[] = {
        { "knob 1's TYPE list, its window closed", [&] { typeList (mainWindow()); },
          [&] { closeRequest (mainWindow()); }, "Cancel" },
        { "a list in another main window, the first closed",
          [&]
          {
              invoke (CommandIds::newPreset);
              typeList (mainWindow (1));
          },
          [&] { closeRequest (mainWindow()); }, "Cancel" },
        { "the File menu, its window closed", [this] { clickAt (mainWindow(), juce::Point<int> (12, 10)); },
          [&] { closeRequest (mainWindow()); }, "Cancel" },
        { "a list, then a message", [&] { typeList (mainWindow()); },
          [this] { app->showMessage (EditorStrings::noPresetAcknowledgement); }, "OK" },
    };

    for (const auto& [what, openList, putUpBox, button] : cases)
    {
        SCOPED_TRACE (what);
        start();
        openList();
        ASSERT_TRUE (testutil::runLoopUntil ([] { return isMenuOpen (false); }));

        bool openUnderTheBox = true;
        answers.meanwhile ([&] { openUnderTheBox = isMenuOpen (false); });
        answers.press (button);
        putUpBox();
        ASSERT_TRUE (answers.waitUntilAllAnswered());
        EXPECT_FALSE (openUnderTheBox);

        // The menu bar took the close as any other: its File menu opens again at one click.
        clickAt (mainWindow(), juce::Point<int> (12, 10));
        EXPECT_TRUE (testutil::runLoopUntil ([] { return isMenuOpen (false); }));
        stop();
    }
}

// A display's list left open closes as the Open chooser comes over it, before the user can pick
// in it.
TEST_F (OpenMenusTest, AListLeftOpenClosesAsTheChooserComesUp)
{
    start();
    click (firstChooser (surface()));
    ASSERT_TRUE (testutil::runLoopUntil ([] { return isMenuOpen (false); }));

    bool openUnderTheChooser = true;
    answers.meanwhile ([&] { openUnderTheChooser = isMenuOpen (false); });
    answers.choose ({});
    invoke (CommandIds::openPreset);
    EXPECT_TRUE (answers.allAnswered());
    EXPECT_FALSE (openUnderTheChooser);
}

} // namespace
