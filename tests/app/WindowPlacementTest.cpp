// Every window of the program on screen, read from the X server by a window manager that the test
// stands in for: the size hints it reads whenever it maps or configures a window, and where the
// window lies in the stacking order.
#include "EditorTest.h"
#include "WindowManagerStandIn.h"
#include "app/CommandIds.h"
#include "app/desktop/WindowsToFront.h"
#include "app/windows/AutoPopToolWindow.h"
#include "app/windows/GlobalSettingsWindow.h"
#include "app/windows/about/AboutWindow.h"
#include "app/windows/loadfromhardware/GetPresetWindow.h"
#include "app/windows/midisetup/MidiSetupWindow.h"
#include "app/windows/sendmultiple/SendMultiplePresetsWindow.h"
#include "app/windows/sendpreset/SendPresetWindow.h"
#include "ui/EditorStrings.h"

namespace
{
// A window of the program: how it is shown, and the window itself once shown.
struct Row
{
    const char* name;
    std::function<void()> show;
    std::function<juce::Component*()> window;
};

class WindowPlacementTest : public apptest::EditorTest
{
protected:
    void SetUp() override { start(); }

    // Every window of the program, each shown by its command.
    std::vector<Row> everyWindow()
    {
        return {
            { "New", [&] { invoke (CommandIds::newPreset); },
              [&] { return app->getWindowManager()->getWindows().getLast().get(); } },
            { "About", [&] { invoke (CommandIds::about); }, [&] { return app->getAboutWindow(); } },
            { "MIDI Setup", [&] { invoke (CommandIds::midiSetup); },
              [&] { return app->getMidiSetupWindow(); } },
            { "Load From Hardware", [&] { invoke (CommandIds::loadFromHardware); },
              [&] { return app->getLoadFromHardwareWindow(); } },
            { "Send Multiple Presets", [&] { invoke (CommandIds::sendMultiplePresets); },
              [&] { return app->getSendMultiplePresetsWindow(); } },
            { "Global Settings", [&] { invoke (CommandIds::globalSettingsEditor); },
              [&] { return app->getGlobalSettingsWindow(); } },
            { "Send To Hardware", [&] { invokeOnMainWindow (CommandIds::sendToHardware); },
              [&] { return mainWindow().getSendPresetWindow(); } },
            { "Auto Populate Tool", [&] { invokeOnMainWindow (CommandIds::autoPopulateTool); },
              [&] { return mainWindow().getAutoPopToolWindow(); } },
        };
    }

    // Every hints the window manager met on the way that were not whole, and each window's now.
    juce::String wrongHints (const std::vector<Row>& rows)
    {
        juce::Array<juce::Component*> windows;
        for (const auto& row : rows)
            windows.add (row.window());
        return server.takeWrongHints (windows).joinIntoString ("; ");
    }

    bool waitForEach (const std::vector<Row>& rows, std::function<bool (juce::Component&)> condition,
                      int timeoutMs = 5000)
    {
        const auto each = [&]
        {
            for (const auto& row : rows)
                if (auto* window = row.window(); window == nullptr || ! condition (*window))
                    return false;
            return true;
        };
        return server.runUntil (each, timeoutMs);
    }

    WindowManagerStandIn server;
};

// Whatever happens to a window, the window manager finds its size as its minimum and maximum, so
// the user can't resize it: when it maps the window, at every configure request, and after each
// of these: a minimise long enough for JUCE's peer to drop the window's picture, then a restore
// (from a taskbar, or by Bring All To Front), a move, a style change, a close and a new show.
TEST_F (WindowPlacementTest, EveryWindowKeepsItsSizeAsItsMinimumAndMaximumForItsWholeLife)
{
    ASSERT_TRUE (server.isManaging()) << "another window manager has the screen";
    const auto rows = everyWindow();
    // Mapped, and with a configure request since the counts restarted.
    const auto configured = [&] (juce::Component& w)
    { return server.isMapped (w) && server.configureRequests (w) > 0; };

    for (const auto& row : rows)
        row.show();
    ASSERT_TRUE (waitForEach (rows, [&] (auto& window) { return server.isMapped (window); }));
    EXPECT_EQ (wrongHints (rows), "") << "shown";

    for (const bool fromTaskbar : { true, false })
    {
        server.restartCounts();
        for (const auto& row : rows)
        {
            auto* window = row.window();
            if (auto* main = dynamic_cast<MainWindow*> (window)) // its Minimize Window, Ctrl+M
                main->invoke (juce::ApplicationCommandTarget::InvocationInfo (CommandIds::minimizeWindow),
                              false);
            else
                server.minimise (*window); // the title bar's button
        }
        ASSERT_TRUE (waitForEach (
            rows,
            [&] (auto& window)
            { return window.getPeer()->isMinimised() && server.picturesDropped (window) > 0; },
            15000))
            << "every picture dropped";

        server.restartCounts();
        for (const auto& row : rows)
            if (fromTaskbar)
                server.restore (*row.window());
        if (! fromTaskbar)
            invoke (CommandIds::bringAllToFront);

        // The new picture moves its window once more, through the window manager.
        ASSERT_TRUE (waitForEach (rows, configured));
        EXPECT_EQ (wrongHints (rows), "") << (fromTaskbar ? "restored from a taskbar" : "Bring All To Front");
    }

    server.restartCounts();
    for (const auto& row : rows)
        row.window()->setTopLeftPosition (row.window()->getPosition() + juce::Point<int> (7, 5));
    ASSERT_TRUE (waitForEach (rows, configured));
    EXPECT_EQ (wrongHints (rows), "") << "moved";

    // On X11 a change of style makes a new window.
    for (const auto& row : rows)
        for (int i = 0; i < 2; ++i)
        {
            auto* window = row.window();
            window->setAlwaysOnTop (! window->isAlwaysOnTop());
            ASSERT_TRUE (server.runUntil ([&] { return server.isMapped (*window); })) << row.name;
        }
    EXPECT_EQ (wrongHints (rows), "") << "after a style change";

    for (const auto& row : rows)
    {
        auto* window = row.window();
        if (dynamic_cast<MainWindow*> (window) != nullptr)
            continue; // every New makes a new one
        if (auto* document = dynamic_cast<juce::DocumentWindow*> (window))
            document->closeButtonPressed();
        else
            clickAt (*window, { 250, 40 }); // the About window goes on a click
        row.show();
    }
    ASSERT_TRUE (waitForEach (rows, [&] (auto& window) { return server.isMapped (window); }));
    EXPECT_EQ (wrongHints (rows), "") << "closed and shown again";
}

// A box is laid out before it goes on screen and is never asked to take another size: a window
// manager slow to answer would otherwise give JUCE an earlier size back, and the box kept it with
// its buttons cut off.
TEST_F (WindowPlacementTest, AMessageBoxGoesOnScreenAtTheOneSizeItKeeps)
{
    ASSERT_TRUE (server.isManaging()) << "another window manager has the screen";
    app->showMessage (EditorStrings::errorSavingFile);

    juce::AlertWindow* box = nullptr;
    ASSERT_TRUE (server.runUntil (
        [&]
        {
            box = dynamic_cast<juce::AlertWindow*> (juce::Component::getCurrentlyModalComponent());
            return box != nullptr && server.isMapped (*box);
        }));
    const auto size = juce::String (box->getWidth()) + "x" + juce::String (box->getHeight());
    for (const auto& asked : server.sizesAsked (*box))
        EXPECT_EQ (asked, size);
    EXPECT_EQ (server.takeWrongHints ({ box }).joinIntoString ("; "), "");
    box->exitModalState (0);
}

// A tool window shown again by its command, or by Bring All To Front chosen in another main
// window, comes over its main window.
TEST_F (WindowPlacementTest, AToolWindowShownAgainOrBroughtToFrontComesOverItsMainWindow)
{
    ASSERT_TRUE (server.isManaging()) << "another window manager has the screen";
    auto above = [&] (juce::Component& upper, juce::Component& lower)
    { return server.runUntil ([&] { return server.isAbove (upper, lower); }, 3000); };
    invoke (CommandIds::newPreset);
    auto& other = mainWindow (1);
    ASSERT_TRUE (server.runUntil ([&] { return server.isMapped (other); }));

    for (const auto& row : everyWindow())
    {
        if (! juce::StringArray ("Send To Hardware", "Auto Populate Tool", "MIDI Setup").contains (row.name))
            continue;
        row.show();
        auto& tool = *row.window();
        ASSERT_TRUE (above (tool, mainWindow())) << row.name;

        const std::pair<const char*, std::function<void()>> showAgain[] = {
            { "its command", row.show },
            { "Bring All To Front",
              [&]
              {
                  activate (other);
                  invoke (CommandIds::bringAllToFront);
              } }
        };
        for (const auto& [how, action] : showAgain)
        {
            mainWindow().toFront (true); // a click on the main window
            ASSERT_TRUE (above (mainWindow(), tool)) << row.name;
            action();
            EXPECT_TRUE (above (tool, mainWindow())) << row.name << " by " << how;
        }
    }
}

// Bring All To Front, chosen in the Window menu of the second of three main windows, brings every
// window of the program forward, minimised ones too, and leaves the window it was chosen in on
// top with the keys: Ctrl+S then saves its preset. The restored window, clicked a moment later,
// keeps the top and the keys.
TEST_F (WindowPlacementTest, BringAllToFrontLeavesTheWindowItWasChosenInOnTopWithTheKeys)
{
    ASSERT_TRUE (server.isManaging()) << "another window manager has the screen";
    invoke (CommandIds::newPreset);
    invoke (CommandIds::newPreset);
    invoke (CommandIds::globalSettingsEditor);
    auto& chosen = mainWindow (1);
    const juce::Array<juce::Component*> others{ &mainWindow (0), &mainWindow (2),
                                                app->getGlobalSettingsWindow() };
    ASSERT_TRUE (server.runUntil ([&] { return server.isMapped (chosen) && server.isMapped (*others[2]); }));

    // Once with a window manager that shows a restored window at once, then with one that shows
    // it over the rest, with the keys, after the program's raises.
    for (const bool late : { false, true })
    {
        SCOPED_TRACE (late ? "shown late" : "shown at once");
        if (late)
            server.activateRestoredWindowsLate();
        server.minimise (mainWindow (0));

        // The Window menu, third on the bar, then its second item.
        activate (chosen);
        click (*chosen.getMenuBarComponent()->getChildComponent (2));
        press (chosen, { down, down, enter });
        EXPECT_TRUE (server.runUntil (
            [&]
            {
                for (auto* other : others)
                    if (! server.isMapped (*other) || ! server.isAbove (chosen, *other))
                        return false;
                return ! server.owesActivations() && chosen.hasKeyboardFocus (true) &&
                       chosen.getPeer()->isFocused();
            }));

        // The user comes once the program no longer waits for the window manager, which might
        // still give the restored window the keys by itself until then.
        if (! late)
        {
            const auto broughtAt = juce::Time::getMillisecondCounter();
            server.runUntil (
                [&] {
                    return juce::Time::getMillisecondCounter() - broughtAt >
                           WindowsToFront::windowManagerWaitMs;
                });
            auto& clicked = mainWindow (0);
            const auto clickedKeeps = [&]
            {
                return clicked.hasKeyboardFocus (true) && clicked.getPeer()->isFocused() &&
                       server.isAbove (clicked, chosen);
            };
            server.activate (clicked);
            EXPECT_TRUE (server.runUntil (clickedKeeps));
            EXPECT_FALSE (server.runUntil ([&] { return ! clickedKeeps(); }, 500)) << "taken back";
        }
    }

    const auto file = juce::File::createTempFile (".qrx571");
    answers.choose (file);
    press (chosen, { shortcut ('s') });
    EXPECT_TRUE (answers.waitUntilAllAnswered());
    EXPECT_EQ (chosen.getFilePath(), file.getFullPathName());
    file.deleteFile();
}

// A window manager may leave a window where the program puts it. Each new main window goes 15
// pixels on from the one before until the next one's title bar would leave the screen's work area
// (the rest of it may run off the bottom); that one goes back to the first place, and the cascade
// runs on from there.
TEST_F (WindowPlacementTest, TheCascadeStartsAgainBeforeAWindowWouldLeaveTheWorkArea)
{
    const auto workArea = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay()->userArea;
    const auto first = mainWindow (0).getPosition();
    const auto last = [this] { return mainWindow (numWindows() - 1).getBounds(); };
    // The window's top row, right under its title bar.
    const auto topRow = [] (juce::Rectangle<int> window) { return window.withHeight (1); };

    do
    {
        invoke (CommandIds::newPreset);
        ASSERT_TRUE (workArea.contains (topRow (last())))
            << "window " << numWindows() << " at " << last().toString();
    } while (last().getPosition() != first && numWindows() < 200);

    const int fitting = numWindows() - 1;
    EXPECT_GT (fitting, 10) << "the cascade ran down the screen first";
    EXPECT_EQ (last().getPosition(), first);
    EXPECT_FALSE (
        workArea.contains (topRow (mainWindow (fitting - 1).getBounds() + juce::Point<int> (15, 15))));
    invoke (CommandIds::newPreset);
    EXPECT_EQ (last().getPosition(), mainWindow (1).getPosition());
}

} // namespace
