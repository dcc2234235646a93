#include "app/WindowManager.h"

#include "app/desktop/OpenMenus.h"
#include "app/desktop/WindowSizeHints.h"

void WindowManager::addWindow (MainWindow::Ptr window)
{
    if (window == nullptr)
        return;

    windows.add (window);
    ++numWindowsCreated;

    window->setTopLeftPosition (cascadePosition (*window));
    WindowSizeHints::show (*window, false);
}

// The n-th window open goes 15 pixels right of and below the one before, from (30, 75). A window
// manager may leave a window wherever it is put, so the cascade starts again from the top once a
// window's title bar, where its buttons are and where it is dragged from, would leave the screen's
// work area; the rest of the window may run off the bottom, as on a small screen it always would.
// The frame the other windows have counts from where a window is put: a window manager may hang
// the frame there, or the window itself. Two places at least, so that a new window never hides the
// one before, however small the screen.
juce::Point<int> WindowManager::cascadePosition (const MainWindow& window) const
{
    const auto at = [] (int n) { return juce::Point<int> (15 * n + 15, 15 * n + 60); };

    juce::BorderSize<int> frame;
    for (auto* other : windows)
        if (auto* peer = other->getPeer(); peer != nullptr && other != &window)
            if (const auto size = peer->getFrameSizeIfPresent())
                frame = *size;
    const juce::Rectangle<int> titleBar (window.getWidth() + frame.getLeftAndRight(), frame.getTop());

    const auto& displays = juce::Desktop::getInstance().getDisplays();
    const auto* display = displays.getDisplayForPoint (at (1));
    if (display == nullptr)
        display = displays.getPrimaryDisplay();
    const auto workArea = display != nullptr ? display->userArea : juce::Rectangle<int>();

    int fitting = 2;
    while (workArea.contains (titleBar.withPosition (at (fitting + 1))))
        ++fitting;
    return at ((windows.size() - 1) % fitting + 1);
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
