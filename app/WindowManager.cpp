#include "app/WindowManager.h"

#include "app/OpenMenus.h"
#include "app/WindowSizeHints.h"

void WindowManager::addWindow (MainWindow::Ptr window)
{
    if (window == nullptr)
        return;

    windows.add (window);
    ++numWindowsCreated;

    const int n = windows.size();
    window->setTopLeftPosition (15 * n + 15, 15 * n + 60);
    WindowSizeHints::show (*window, false);
}

void WindowManager::removeWindow (MainWindow* window)
{
    if (window == nullptr || ! windows.contains (window))
        return;

    OpenMenus::closeAll();
    window->setVisible (false);
    windows.removeObject (window);
}

MainWindow::Ptr WindowManager::getActiveWindow() const
{
    MainWindow::Ptr active;
    for (auto* window : windows)
        if (window->isActiveWindow())
            active = window;
    return active;
}

juce::TopLevelWindow* WindowManager::getWindowWithTheKeys()
{
    if (auto* focused = juce::Component::getCurrentlyFocusedComponent())
        return dynamic_cast<juce::TopLevelWindow*> (focused->getTopLevelComponent());
    return juce::TopLevelWindow::getActiveTopLevelWindow();
}

void WindowManager::bringAllToFront()
{
    // The main windows in their order, then every tool window that is open over them, in the
    // order they were in: each main window's Send Preset and Auto Populate windows as well as the
    // program's own.
    juce::Array<juce::Component::SafePointer<juce::ResizableWindow>> order; // one may go meanwhile
    for (auto* window : windows)
        order.add (window);

    auto& desktop = juce::Desktop::getInstance();
    for (int i = 0; i < desktop.getNumComponents(); ++i)
        if (auto* tool = dynamic_cast<juce::ResizableWindow*> (desktop.getComponent (i)))
            if (dynamic_cast<MainWindow*> (tool) == nullptr && tool->isVisible())
                order.add (tool);

    // The window the command was chosen in comes last, on top of them all, and keeps the keys: a
    // shortcut pressed next acts there. Each window asked for the front gets the keys on X11, so
    // the last asked ends with them.
    auto* chosen = dynamic_cast<juce::ResizableWindow*> (getWindowWithTheKeys());
    if (order.contains (chosen))
    {
        order.removeAllInstancesOf (chosen);
        order.add (chosen);
    }

    for (int i = 0; i < order.size(); ++i)
        if (auto* window = order[i].getComponent())
        {
            window->setMinimised (false);
            window->toFront (i == order.size() - 1);
        }
}
