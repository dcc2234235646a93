// A window that goes while one of its chooser lists or menus is open takes the list with it, before
// its components and their looks go: nothing is left on screen, and no list draws with a look
// that is gone (JUCE's assertion in the Debug builds).
#include "DesktopAnswers.h"
#include "app/AutoPopToolWindow.h"
#include "app/CommandIds.h"
#include "app/GlobalSettingsWindow.h"
#include "app/MainContentComponent.h"
#include "app/QRX571EditorApplication.h"
#include "app/SendPresetWindow.h"
#include "app/WindowManager.h"
#include "support/RunLoop.h"
#include "ui/CommonParametersLCDView.h"
#include "views/TestApplication.h"
#include "views/ViewTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <optional>

namespace
{
class EditorUnderTest : public QRX571EditorApplication
{
protected:
    void quitApplication() override {}
};

// Each open list or menu is a window of its own on the desktop, named "menu".
bool isMenuOpen (bool orClosing)
{
    auto& desktop = juce::Desktop::getInstance();
    for (int i = 0; i < desktop.getNumComponents(); ++i)
        if (auto* c = desktop.getComponent (i); c->getName() == "menu" && (orClosing || c->isVisible()))
            return true;
    return false;
}

juce::ComboBox* firstChooser (juce::Component& parent)
{
    for (auto* child : parent.getChildren())
    {
        if (auto* box = dynamic_cast<juce::ComboBox*> (child); box != nullptr && box->isShowing())
            return box;
        if (auto* found = firstChooser (*child))
            return found;
    }
    return nullptr;
}

// A click where the user sees `target`, at `at` in it (its centre by default).
void click (juce::Component* target, int button = juce::ModifierKeys::leftButtonModifier,
            std::optional<juce::Point<int>> at = {})
{
    ASSERT_NE (target, nullptr);
    auto& window = *target->getTopLevelComponent();
    const auto position = window.getLocalPoint (target, at.value_or (target->getLocalBounds().getCentre()));
    for (const bool down : { true, false })
        viewtest::mouse (window, position.toFloat(), down, button);
}

struct Case
{
    const char* name;
    std::function<void()> openList;
    std::function<void()> closeWindow;
};

class OpenMenusTest : public ::testing::Test
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
        app->shutdown();
        app.reset();
        juce::ModalComponentManager::getInstance()->cancelAllModalComponents();
        testutil::runLoopUntil ([] { return ! isMenuOpen (true); }, 1000);
    }

    void TearDown() override
    {
        if (app != nullptr)
            stop();
    }

    MainWindow& mainWindow() const { return *app->getWindowManager()->getWindows()[0]; }
    MainContentComponent& surface() const
    {
        return dynamic_cast<MainContentComponent&> (*mainWindow().getContentComponent());
    }
    void invokeOnMainWindow (juce::CommandID command)
    {
        mainWindow().invoke (juce::ApplicationCommandTarget::InvocationInfo (command), false);
    }

    // The main window closed as the user does, answered No on the desktop.
    std::function<void()> closeMainWindowBy (std::function<void (MainWindow&)> how)
    {
        return [this, how]
        {
            answers.press ("No");
            how (mainWindow());
            EXPECT_TRUE (testutil::runLoopUntil ([&] { return answers.allAnswered(); }));
        };
    }

    apptest::DesktopAnswers answers;
    std::unique_ptr<EditorUnderTest> app;
};

// Every kind of window that opens lists or menus (the others open none): a list opened by a real
// click, then its window, or the main window that owns it, closed as the user closes it.
TEST_F (OpenMenusTest, AWindowThatGoesClosesItsOpenListsAndMenusFirst)
{
    auto titleBar = closeMainWindowBy ([] (MainWindow& w) { w.closeButtonPressed(); });
    auto closeCommand = closeMainWindowBy (
        [] (MainWindow& w)
        { w.invoke (juce::ApplicationCommandTarget::InvocationInfo (CommandIds::closeWindow), false); });
    auto autoPopulate = [this]
    {
        invokeOnMainWindow (CommandIds::autoPopulateTool);
        click (firstChooser (*mainWindow().getAutoPopToolWindow()));
    };
    auto sendPreset = [this]
    {
        invokeOnMainWindow (CommandIds::sendToHardware);
        click (firstChooser (*mainWindow().getSendPresetWindow()));
    };

    const Case cases[] = {
        { "a display's chooser, main window closed", [this] { click (firstChooser (surface())); }, titleBar },
        { "the menu bar's File menu, main window closed",
          [this]
          {
              click (mainWindow().getMenuBarComponent(), juce::ModifierKeys::leftButtonModifier,
                     juce::Point<int> (12, 10));
          },
          titleBar },
        { "the name box's own menu, main window closed",
          [this] {
              click (&surface().getCommonParametersView()->getNameEditor(),
                     juce::ModifierKeys::rightButtonModifier);
          },
          titleBar },
        { "Auto Populate's chooser, the tool closed", autoPopulate,
          [this] { mainWindow().getAutoPopToolWindow()->closeButtonPressed(); } },
        { "Auto Populate's chooser, main window closed", autoPopulate, titleBar },
        { "Send Preset's chooser, the tool closed", sendPreset,
          [this] { mainWindow().getSendPresetWindow()->closeButtonPressed(); } },
        { "Send Preset's chooser, main window closed by Close Window", sendPreset, closeCommand },
        { "Global Settings' chooser, window closed",
          [this]
          {
              app->getCommandManager()->invokeDirectly (CommandIds::globalSettingsEditor, false);
              click (firstChooser (*app->getGlobalSettingsWindow()));
          },
          [this] { app->getGlobalSettingsWindow()->closeButtonPressed(); } },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        start();
        c.openList();
        ASSERT_TRUE (testutil::runLoopUntil ([] { return isMenuOpen (false); }));
        c.closeWindow();
        EXPECT_TRUE (testutil::runLoopUntil ([] { return ! isMenuOpen (true); }, 3000));
        stop();
    }
}

} // namespace
