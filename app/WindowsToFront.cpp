#include "app/WindowsToFront.h"

#include "app/WindowKeyboardFocus.h"

#include <algorithm>
#include <utility>

namespace
{
constexpr int waitMs = 20;
constexpr int longestWaitMs = 10000; // a window manager that never says: stop waiting for it
} // namespace

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
    auto* chosen = dynamic_cast<juce::ResizableWindow*> (WindowKeyboardFocus::getWindowWithTheKeys());
    if (order.contains (chosen))
    {
        order.removeAllInstancesOf (chosen);
        order.add (chosen);
    }

    restored.clear();
    for (auto& window : order)
        if (window->isMinimised())
        {
            window->setMinimised (false);
            restored.add (window);
        }

    // What is on screen comes forward at once; the rest as the window manager shows it.
    raise();
    waits = 0;
    allBack = false;
    if (restored.isEmpty())
        finish();
    else
        startTimer (waitMs);
}

bool WindowsToFront::isRestoring() const
{
    return std::any_of (order.begin(), order.end(),
                        [] (auto& w) { return w != nullptr && w->isMinimised(); });
}

void WindowsToFront::timerCallback()
{
    // The user acting meanwhile ends it: a window clicked keeps the top.
    if (juce::ModifierKeys::currentModifiers.isAnyMouseButtonDown() || ++waits * waitMs >= longestWaitMs)
        return finish();

    if (isRestoring())
        return;

    // Every restored window is back: all come forward again, the chosen one last.
    bool raiseAgain = ! std::exchange (allBack, true);

    // A restored window the window manager gave the keys to after that comes up over the rest.
    for (int i = restored.size(); --i >= 0;)
    {
        auto* window = restored[i].getComponent();
        auto* peer = window != nullptr ? window->getPeer() : nullptr;
        if (peer == nullptr || peer->isFocused())
        {
            raiseAgain = raiseAgain || peer != nullptr;
            restored.remove (i);
        }
    }

    if (raiseAgain)
        raise();
    if (restored.isEmpty())
        finish();
}

void WindowsToFront::finish()
{
    stopTimer();
    order.clear();
    restored.clear();
}

// Each window asked for the front gets the keys on X11, so the last asked ends with them.
void WindowsToFront::raise()
{
    for (int i = 0; i < order.size(); ++i)
        if (auto* window = order[i].getComponent())
            window->toFront (i == order.size() - 1);
}
