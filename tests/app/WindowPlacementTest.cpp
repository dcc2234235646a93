// Every window of the program as it goes on screen, read from the X server: the size hints a
// window manager reads when it maps the window, and where the window lies in the stacking order.
#include "app/AboutWindow.h"
#include "app/AutoPopToolWindow.h"
#include "app/CommandIds.h"
#include "app/GetPresetWindow.h"
#include "app/GlobalSettingsWindow.h"
#include "app/MidiSetupWindow.h"
#include "app/QRX571EditorApplication.h"
#include "app/SendMultiplePresetsWindow.h"
#include "app/SendPresetWindow.h"
#include "app/WindowManager.h"
#include "support/RunLoop.h"
#include "views/TestApplication.h"
#include "views/ViewTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <X11/Xlib.h> // last: Xlib's macros would clash with the code above
#include <X11/Xutil.h>

namespace
{
class EditorUnderTest : public QRX571EditorApplication
{
protected:
    void quitApplication() override {}
};

// The test's own connection to the X server. There is no window manager here, so it also does
// the one thing of one that these tests need: it raises a window whose program asks for it to
// be made the active one (what JUCE's toFront asks).
class XServerView
{
public:
    XServerView()
    {
        XSelectInput (display, root, SubstructureNotifyMask);
        XSync (display, False);
    }
    ~XServerView() { XCloseDisplay (display); }

    // The window's WM_NORMAL_HINTS: its size, minimum and maximum size ("-" where missing).
    juce::String sizeHints (juce::Component& window)
    {
        XSizeHints hints{};
        long supplied = 0;
        if (window.getPeer() == nullptr ||
            ! XGetWMNormalHints (display, handleOf (window), &hints, &supplied))
            return "none";

        auto size = [&] (long flags, int w, int h) {
            return (hints.flags & flags) != 0 ? juce::String (w) + "x" + juce::String (h)
                                              : juce::String ("-");
        };
        return "size " + size (USSize | PSize, hints.width, hints.height) + " min " +
               size (PMinSize, hints.min_width, hints.min_height) + " max " +
               size (PMaxSize, hints.max_width, hints.max_height);
    }

    // Runs the program's loop, raising what it asks to be activated, until `upper` lies above `lower`.
    bool waitUntilAbove (juce::Component& upper, juce::Component& lower)
    {
        return testutil::runLoopUntil ([&] { return raiseRequested() && isAbove (upper, lower); }, 3000);
    }

private:
    static ::Window handleOf (juce::Component& c) { return (::Window)c.getPeer()->getNativeHandle(); }

    bool raiseRequested()
    {
        while (XPending (display) > 0)
        {
            XEvent event;
            XNextEvent (display, &event);
            if (event.type == ClientMessage && event.xclient.message_type == activeWindow)
                XRaiseWindow (display, event.xclient.window);
        }
        XSync (display, False);
        return true;
    }

    // Root's children come bottom to top; a window manager would have put each window in a frame.
    bool isAbove (juce::Component& upper, juce::Component& lower)
    {
        if (upper.getPeer() == nullptr || lower.getPeer() == nullptr)
            return false;

        ::Window rootReturn, parent, *children = nullptr;
        unsigned int count = 0;
        XQueryTree (display, root, &rootReturn, &parent, &children, &count);
        const juce::Array<::Window> order (children, (int)count);
        XFree (children);
        return order.indexOf (topLevelOf (handleOf (upper))) > order.indexOf (topLevelOf (handleOf (lower)));
    }

    ::Window topLevelOf (::Window window)
    {
        for (;;)
        {
            ::Window rootReturn, parent, *children = nullptr;
            unsigned int count = 0;
            if (! XQueryTree (display, window, &rootReturn, &parent, &children, &count))
                return window;
            XFree (children);
            if (parent == root)
                return window;
            window = parent;
        }
    }

    Display* display = XOpenDisplay (nullptr);
    ::Window root = DefaultRootWindow (display);
    Atom activeWindow = XInternAtom (display, "_NET_ACTIVE_WINDOW", False);
};

// A window of the program: how it is shown, and the window itself once shown.
struct Row
{
    const char* name;
    std::function<void()> show;
    std::function<juce::Component*()> window;
};

class WindowPlacementTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setenv (QRX571EditorApplication::emulatorVariable, "1", 1);
        app = TestApplication::make<EditorUnderTest>();
        app->initialise ({});
    }

    void TearDown() override
    {
        app->shutdown();
        app.reset();
        testutil::runLoopFor (30);
    }

    MainWindow& mainWindow() const { return *app->getWindowManager()->getWindows()[0]; }
    void invoke (juce::CommandID command) { app->getCommandManager()->invokeDirectly (command, false); }
    void invokeOnMainWindow (juce::CommandID command)
    {
        mainWindow().invoke (juce::ApplicationCommandTarget::InvocationInfo (command), false);
    }

    std::unique_ptr<EditorUnderTest> app;
    XServerView server;
};

// What a window manager reads on the map: the window's size, and that the user can't change it.
TEST_F (WindowPlacementTest, EveryWindowIsMappedWithItsSizeAsItsMinimumAndMaximum)
{
    const Row rows[] = {
        { "New", [&] { invoke (CommandIds::newPreset); },
          [&] { return app->getWindowManager()->getWindows().getLast().get(); } },
        { "About", [&] { invoke (CommandIds::about); }, [&] { return app->getAboutWindow(); } },
        { "MIDI Setup", [&] { invoke (CommandIds::midiSetup); }, [&] { return app->getMidiSetupWindow(); } },
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

    // Each is shown, shown again after its main window moved, and shown again after being closed.
    for (const auto* when : { "first", "after a move", "after closing" })
        for (const auto& row : rows)
        {
            row.show();
            auto* window = row.window();
            ASSERT_NE (window, nullptr) << row.name;
            const auto size = juce::String (window->getWidth()) + "x" + juce::String (window->getHeight());
            EXPECT_EQ (server.sizeHints (*window), "size " + size + " min " + size + " max " + size)
                << row.name << ", " << when;

            if (juce::String (when) == "first")
                mainWindow().setTopLeftPosition (mainWindow().getPosition() + juce::Point<int> (7, 5));
            else if (dynamic_cast<MainWindow*> (window) != nullptr)
                continue; // every New makes a new one
            else if (auto* document = dynamic_cast<juce::DocumentWindow*> (window))
                document->closeButtonPressed();
            else
                for (const bool down : { true, false }) // the About window goes on a click
                    viewtest::mouse (*window, { 250.0f, 40.0f }, down);
        }
}

// A tool window shown again by its command, or by Bring All To Front, comes over its main window.
TEST_F (WindowPlacementTest, AToolWindowShownAgainOrBroughtToFrontComesOverItsMainWindow)
{
    const Row rows[] = {
        { "Send To Hardware", [&] { invokeOnMainWindow (CommandIds::sendToHardware); },
          [&] { return mainWindow().getSendPresetWindow(); } },
        { "Auto Populate Tool", [&] { invokeOnMainWindow (CommandIds::autoPopulateTool); },
          [&] { return mainWindow().getAutoPopToolWindow(); } },
        { "MIDI Setup", [&] { invoke (CommandIds::midiSetup); }, [&] { return app->getMidiSetupWindow(); } },
    };

    for (const auto& row : rows)
    {
        row.show();
        auto& tool = *row.window();
        ASSERT_TRUE (server.waitUntilAbove (tool, mainWindow())) << row.name;

        const std::pair<const char*, std::function<void()>> showAgain[] = {
            { "its command", row.show },
            { "Bring All To Front", [&] { invoke (CommandIds::bringAllToFront); } }
        };
        for (const auto& [how, action] : showAgain)
        {
            mainWindow().toFront (true); // a click on the main window
            ASSERT_TRUE (server.waitUntilAbove (mainWindow(), tool)) << row.name;
            action();
            EXPECT_TRUE (server.waitUntilAbove (tool, mainWindow())) << row.name << " by " << how;
        }
    }
}

} // namespace
