#include "app/WindowManager.h"

void WindowManager::addWindow (MainWindow::Ptr window)
{
    if (window == nullptr)
        return;

    windows.add (window);
    ++numWindowsCreated;

    const int n = windows.size();
    window->setTopLeftPosition (15 * n + 15, 15 * n + 60);
    window->setVisible (true);
}

void WindowManager::removeWindow (MainWindow* window)
{
    if (window == nullptr || ! windows.contains (window))
        return;

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
}
