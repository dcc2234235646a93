#include "app/WindowsToFront.h"

#include <algorithm>

namespace
{
constexpr int waitMs = 20;
constexpr int longestWaitMs = 10000; // a window manager that never says: stop waiting for it
} // namespace

juce::TopLevelWindow* WindowsToFront::getWindowWithTheKeys()
{
    if (auto* focused = juce::Component::getCurrentlyFocusedComponent())
        return dynamic_cast<juce::TopLevelWindow*> (focused->getTopLevelComponent());
    return juce::TopLevelWindow::getActiveTopLevelWindow();
}

void WindowsToFront::bring (const juce::Array<juce::ResizableWindow*>& mainWindows)
{
    order.clear();
    for (auto* window : mainWindows)
        order.add (window);

    // Each main window's Send Preset and Auto Populate windows as well as the program's own, in
    // the order they were in.
    auto& desktop = juce::Desktop::getInstance();
    for (int i = 0; i < desktop.getNumComponents(); ++i)
        if (auto* tool = dynamic_cast<juce::ResizableWindow*> (desktop.getComponent (i)))
            if (! mainWindows.contains (tool) && tool->isVisible())
                order.add (tool);

    // Chosen from a menu or with a shortcut, the command comes while its window has the keys.
    auto* chosen = dynamic_cast<juce::ResizableWindow*> (getWindowWithTheKeys());
    if (order.contains (chosen))
    {
        order.removeAllInstancesOf (chosen);
        order.add (chosen);
    }

    for (auto& window : order)
        if (window->isMinimised())
            window->setMinimised (false);

    // What is on screen comes forward at once; once every restored window is back, all are
    // raised again, so the one chosen in stays on top however long the window manager took.
    raise();
    waits = 0;
    if (isRestoring())
        startTimer (waitMs);
    else
        order.clear();
}

bool WindowsToFront::isRestoring() const
{
    return std::any_of (order.begin(), order.end(),
                        [] (auto& w) { return w != nullptr && w->isMinimised(); });
}

void WindowsToFront::timerCallback()
{
    if (isRestoring() && ++waits * waitMs < longestWaitMs)
        return;
    stopTimer();
    raise();
    order.clear();
}

// Each window asked for the front gets the keys on X11, so the last asked ends with them.
void WindowsToFront::raise()
{
    for (int i = 0; i < order.size(); ++i)
        if (auto* window = order[i].getComponent())
            window->toFront (i == order.size() - 1);
}
