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
    juce::Array<juce::ResizableWindow*> mainWindows;
    for (auto* window : windows)
        mainWindows.add (window);
    toFront.bring (mainWindows);
}
