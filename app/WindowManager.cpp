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

void WindowManager::bringAllToFront()
{
    for (auto* window : windows)
    {
        window->setMinimised (false);
        window->toFront (true);
    }

    // Then every tool window that is open, over the main windows, in the order they were in:
    // each main window's Send Preset and Auto Populate windows as well as the program's own.
    auto& desktop = juce::Desktop::getInstance();
    juce::Array<juce::Component::SafePointer<juce::Component>> tools;

    for (int i = 0; i < desktop.getNumComponents(); ++i)
        if (auto* tool = dynamic_cast<juce::ResizableWindow*> (desktop.getComponent (i)))
            if (dynamic_cast<MainWindow*> (tool) == nullptr && tool->isVisible())
                tools.add (tool);

    for (auto& tool : tools)
        if (tool != nullptr)
            tool->toFront (true);
}
