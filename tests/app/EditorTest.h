// The real editor made in the test process, on the device emulator's ports: each test starts it
// and the fixture ends it. Boxes and choosers it shows are answered on the desktop; clicks and keys
// reach its windows through their peers, as a user's do.
#pragma once

#include "DesktopAnswers.h"
#include "app/MainContentComponent.h"
#include "app/MainWindow.h"
#include "app/QRX571EditorApplication.h"
#include "app/WindowManager.h"
#include "support/RunLoop.h"
#include "views/TestApplication.h"
#include "views/ViewTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

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
        auto& window = *target.getTopLevelComponent();
        clickAt (window, window.getLocalPoint (&target, target.getLocalBounds().getCentre()), button);
    }

    // Keys as the keyboard gives them: to the window's peer, which hands them to whatever has
    // the keyboard focus; then whatever they changed has landed.
    static void press (juce::Component& window, std::initializer_list<juce::KeyPress> keys)
    {
        for (const auto& key : keys)
            window.getPeer()->handleKeyPress (key);
        testutil::deliverPostedMessages();
    }

    DesktopAnswers answers;
    std::unique_ptr<EditorUnderTest> app;
};
} // namespace apptest
