// The real editor made in the test process, on the device emulator's ports: each test starts it
// and the fixture ends it. Boxes and choosers it shows are answered on the desktop; clicks and keys
// reach its windows through their peers, as a user's do, on the spots a user clicks.
#pragma once

#include "DesktopAnswers.h"
#include "app/MainContentComponent.h"
#include "app/MainWindow.h"
#include "app/QRX571EditorApplication.h"
#include "app/WindowManager.h"
#include "emulator/QRX571Emulator.h"
#include "support/PendingXEvents.h"
#include "support/RunLoop.h"
#include "views/TestApplication.h"
#include "views/ViewTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

namespace apptest
{
// The real application; only the end of the message loop is counted instead of carried out,
// since the tests share one loop.
class EditorUnderTest : public QRX571EditorApplication
{
public:
    int quits = 0;

protected:
    void quitApplication() override { ++quits; }
};

class EditorTest : public ::testing::Test
{
protected:
    void start()
    {
        setenv (QRX571EditorApplication::emulatorVariable, "1", 1);
        app = TestApplication::make<EditorUnderTest>();
        app->initialise ({});
    }

    void stop()
    {
        if (app == nullptr)
            return;
        juce::PopupMenu::dismissAllActiveMenus();
        app->shutdown();
        app.reset();
        juce::ModalComponentManager::getInstance()->cancelAllModalComponents();
        testutil::deliverPostedMessages();
    }

    void TearDown() override { stop(); }

    int numWindows() const { return app->getWindowManager()->getNumWindows(); }
    MainWindow& mainWindow (int index = 0) const { return *app->getWindowManager()->getWindows()[index]; }
    MainContentComponent& surface() const
    {
        return dynamic_cast<MainContentComponent&> (*mainWindow().getContentComponent());
    }

    void invoke (juce::CommandID command) { app->getCommandManager()->invokeDirectly (command, false); }
    void invokeOnMainWindow (juce::CommandID command)
    {
        mainWindow().invoke (juce::ApplicationCommandTarget::InvocationInfo (command), false);
    }

    // Brings the window to the front with the keyboard, as a click on its title bar does.
    static void activate (juce::Component& window)
    {
        window.toFront (true);
        ASSERT_TRUE (testutil::runLoopUntil ([&] { return window.hasKeyboardFocus (true); }));
        testutil::deliverPendingXEvents(); // the server's focus-in, not left to come late
    }

    static void clickAt (juce::Component& window, juce::Point<int> at,
                         int button = juce::ModifierKeys::leftButtonModifier)
    {
        for (const bool down : { true, false })
            viewtest::mouse (window, at.toFloat(), down, button);
        testutil::deliverPostedMessages();
    }
    // A click in the middle of `target`, in its window.
    static void click (juce::Component& target, int button = juce::ModifierKeys::leftButtonModifier)
    {
        clickAt (*target.getTopLevelComponent(), spot ({}, target).second, button);
    }

    // Keys as the keyboard gives them: to the window's peer, which hands them to whatever has
    // the keyboard focus; then whatever they changed has landed.
    static void press (juce::Component& window, std::initializer_list<juce::KeyPress> keys)
    {
        for (const auto& key : keys)
            window.getPeer()->handleKeyPress (key);
        testutil::deliverPostedMessages();
    }

    // What the keyboard tests use: the spots a user clicks, keys as the keyboard gives them (they
    // go wherever the program has put the keyboard focus), and a control's picture with and
    // without the keys.
    using Spot = std::pair<juce::String, juce::Point<int>>; // what a user clicks, where in its window

    QRX571Emulator& device() const { return *app->getEmulator(); }

    // `at` in `target` (its centre by default), where it lies in its window.
    static Spot spot (const juce::String& what, juce::Component& target,
                      std::optional<juce::Point<int>> at = {})
    {
        return { what, target.getTopLevelComponent()->getLocalPoint (
                           &target, at.value_or (target.getLocalBounds().getCentre())) };
    }

    // A spot of `component` that none of its children covers (by default near its top left
    // corner): a caption, heading or picture it draws itself, or its bare background.
    static Spot bareSpot (const juce::String& what, juce::Component& component,
                          juce::Point<int> at = { 2, 2 })
    {
        const auto s = spot (what, component, at);
        EXPECT_EQ (component.getTopLevelComponent()->getComponentAt (s.second), &component) << what;
        return s;
    }

    // Every caption shown inside `parent`: the labels the user cannot type into, other than a
    // chooser's own.
    static std::vector<Spot> captionsIn (juce::Component& parent)
    {
        std::vector<Spot> found;
        for (auto* child : parent.getChildren())
        {
            if (! child->isVisible() || dynamic_cast<juce::ComboBox*> (child) != nullptr)
                continue;
            if (auto* label = dynamic_cast<juce::Label*> (child); label != nullptr && ! label->isEditable())
                found.push_back (spot ("caption " + label->getText(), *label));
            for (auto& s : captionsIn (*child))
                found.push_back (s);
        }
        return found;
    }

    // Clicks each spot and presses the keys there: what `state` reads (what the program keeps or
    // shows) stays as it was, and the window keeps the keys.
    template <typename State>
    static void expectNothingChanges (juce::Component& window, const std::vector<Spot>& spots,
                                      std::initializer_list<juce::KeyPress> keys, State state)
    {
        const auto before = state();
        for (const auto& [what, at] : spots)
        {
            clickAt (window, at);
            press (window, keys);
            EXPECT_EQ (state(), before) << what;
            EXPECT_TRUE (window.hasKeyboardFocus (false)) << what;
        }
    }

    static juce::KeyPress letter (char c) { return juce::KeyPress (c, 0, (juce::juce_wchar)c); }
    // The letter with Ctrl (Cmd on a Mac): a shortcut.
    static juce::KeyPress shortcut (char c)
    {
        return juce::KeyPress (c, juce::ModifierKeys::commandModifier, 0);
    }
    static inline const juce::KeyPress up = juce::KeyPress (juce::KeyPress::upKey),
                                       down = juce::KeyPress (juce::KeyPress::downKey),
                                       enter = juce::KeyPress (juce::KeyPress::returnKey),
                                       backspace = juce::KeyPress (juce::KeyPress::backspaceKey),
                                       tab = juce::KeyPress (juce::KeyPress::tabKey),
                                       shiftTab = juce::KeyPress (juce::KeyPress::tabKey,
                                                                  juce::ModifierKeys::shiftModifier, 0);

    // The control that has the keys: a number box, not the editor it opened.
    static juce::Component* withKeys()
    {
        auto* focused = juce::Component::getCurrentlyFocusedComponent();
        auto* label =
            focused != nullptr ? dynamic_cast<juce::Label*> (focused->getParentComponent()) : nullptr;
        return label != nullptr ? label : focused;
    }

    static juce::String nameWithKeys() { return withKeys() != nullptr ? withKeys()->getName() : "nothing"; }

    // Whether the control, which has the keys, looks different once they go to `elsewhere`: its
    // focus outline.
    static bool showsTheKeys (juce::Component& control, juce::Component& elsewhere)
    {
        if (! control.hasKeyboardFocus (true))
            return false;
        const auto with = control.createComponentSnapshot (control.getLocalBounds());
        elsewhere.grabKeyboardFocus();
        const auto without = control.createComponentSnapshot (control.getLocalBounds());
        for (int y = 0; y < with.getHeight(); ++y)
            for (int x = 0; x < with.getWidth(); ++x)
                if (with.getPixelAt (x, y) != without.getPixelAt (x, y))
                    return true;
        return false;
    }

    DesktopAnswers answers;
    std::unique_ptr<EditorUnderTest> app;
};
} // namespace apptest
