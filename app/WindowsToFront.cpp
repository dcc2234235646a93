#include "app/WindowsToFront.h"

namespace
{
constexpr int longestWaitMs = 10000; // a window manager that never shows one: stop waiting
} // namespace

WindowsToFront::~WindowsToFront() { finish(); }

juce::TopLevelWindow* WindowsToFront::getWindowWithTheKeys()
{
    if (auto* focused = juce::Component::getCurrentlyFocusedComponent())
        return dynamic_cast<juce::TopLevelWindow*> (focused->getTopLevelComponent());
    return juce::TopLevelWindow::getActiveTopLevelWindow();
}

void WindowsToFront::bring (const juce::Array<juce::ResizableWindow*>& mainWindows)
{
    finish();
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
        {
            returning.add (window);
            window->addComponentListener (this);
            window->setMinimised (false);
        }

    // What is on screen comes forward at once, and all again once every restored window is back,
    // so the one chosen in stays on top however long the window manager took.
    raise();
    if (returning.isEmpty())
        order.clear();
    else
        startTimer (longestWaitMs);
}

// A restored window is back when the window manager maps it: JUCE tells it it came to the front.
void WindowsToFront::componentBroughtToFront (juce::Component& window)
{
    if (raising)
        return;
    for (int i = returning.size(); --i >= 0;)
        if (returning[i] == nullptr || returning[i].getComponent() == &window)
            returning.remove (i);
    if (returning.isEmpty())
    {
        raise();
        finish();
    }
}

void WindowsToFront::timerCallback()
{
    raise();
    finish();
}

void WindowsToFront::finish()
{
    stopTimer();
    for (auto& window : returning)
        if (window != nullptr)
            window->removeComponentListener (this);
    returning.clear();
    order.clear();
}

// Each window asked for the front gets the keys on X11, so the last asked ends with them.
void WindowsToFront::raise()
{
    const juce::ScopedValueSetter<bool> ownRaise (raising, true);
    for (int i = 0; i < order.size(); ++i)
        if (auto* window = order[i].getComponent())
            window->toFront (i == order.size() - 1);
}
