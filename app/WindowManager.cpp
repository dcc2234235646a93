#include "app/WindowManager.h"

#include "app/OpenMenus.h"
#include "app/WindowSizeHints.h"

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
// manager may leave a window wherever it is put, so one that would not fit in the screen's work
// area starts the cascade again from the top. The frame the other windows have counts in full
// from where a window is put: a window manager may hang the frame there, or the window itself.
juce::Point<int> WindowManager::cascadePosition (const MainWindow& window) const
{
    const auto at = [] (int n) { return juce::Point<int> (15 * n + 15, 15 * n + 60); };

    juce::BorderSize<int> frame;
    for (auto* other : windows)
        if (auto* peer = other->getPeer(); peer != nullptr && other != &window)
            if (const auto size = peer->getFrameSizeIfPresent())
                frame = *size;
    const auto outer = window.getBounds().withSize (window.getWidth() + frame.getLeftAndRight(),
                                                    window.getHeight() + frame.getTopAndBottom());

    const auto& displays = juce::Desktop::getInstance().getDisplays();
    const auto* display = displays.getDisplayForPoint (at (1));
    if (display == nullptr)
        display = displays.getPrimaryDisplay();
    const auto workArea = display != nullptr ? display->userArea : juce::Rectangle<int>();

    int fitting = 1;
    while (workArea.contains (outer.withPosition (at (fitting + 1))))
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
