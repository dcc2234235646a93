#include "app/desktop/WindowsToFront.h"

#include "app/desktop/WindowKeyboardFocus.h"

#include <utility>

WindowsToFront::~WindowsToFront() { finish(); }

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
    auto* chosen = dynamic_cast<juce::ResizableWindow*> (WindowKeyboardFocus::getWindowWithTheKeys());
    if (order.contains (chosen))
    {
        order.removeAllInstancesOf (chosen);
        order.add (chosen);
    }

    for (auto& window : order)
        if (window->isMinimised())
        {
            window->setMinimised (false);
            restoring.add (window);
        }
    keysOwed = restoring;

    // What is on screen comes forward at once; the rest as the window manager shows it.
    raise();
    if (restoring.isEmpty())
        return finish();

    for (auto& window : order)
        window->addComponentListener (this);
    desktop.addFocusChangeListener (this);
    desktop.addGlobalMouseListener (this);
    endsAt = juce::Time::getMillisecondCounter() + (juce::uint32)windowManagerWaitMs;
    startTimer (windowManagerWaitMs);
}

// The window manager maps a restored window as it shows it again, and JUCE says so this way.
void WindowsToFront::componentBroughtToFront (juce::Component& window)
{
    if (raising)
        return;
    restoring.removeAllInstancesOf (dynamic_cast<juce::ResizableWindow*> (&window));
    check();
}

void WindowsToFront::check()
{
    if (raising || order.isEmpty())
        return;
    if (juce::Time::getMillisecondCounter() >= endsAt)
        return finish();

    // A window closed or hidden meanwhile is left where it is (raise passes it by); the chosen
    // one closed, there is nothing left to keep on top.
    const auto gone = [] (const auto& window) { return window == nullptr || ! window->isVisible(); };
    if (gone (order.getLast()))
        return finish();
    restoring.removeIf (gone);
    keysOwed.removeIf (gone);

    // Every restored window is back: all come forward again, the chosen one last.
    if (restoring.isEmpty() && ! std::exchange (allBack, true))
        raise();

    auto* focused = juce::Component::getCurrentlyFocusedComponent();
    auto* withKeys = focused != nullptr ? focused->getTopLevelComponent() : nullptr;
    if (withKeys == nullptr || withKeys == order.getLast().getComponent())
        return;

    // A restored window given the keys after the raises, the window manager's doing, goes back
    // under the chosen one; any other window taking them is the user's choice, and keeps them.
    auto* window = dynamic_cast<juce::ResizableWindow*> (withKeys);
    if (! keysOwed.contains (window))
        return finish();
    keysOwed.removeAllInstancesOf (window);
    raise();
}

void WindowsToFront::timerCallback()
{
    const auto now = juce::Time::getMillisecondCounter();
    if (now >= endsAt)
        finish();
    else
        startTimer ((int)(endsAt - now));
}

void WindowsToFront::finish()
{
    stopTimer();
    auto& desktop = juce::Desktop::getInstance();
    desktop.removeFocusChangeListener (this);
    desktop.removeGlobalMouseListener (this);
    for (auto& window : order)
        if (window != nullptr)
            window->removeComponentListener (this);
    order.clear();
    restoring.clear();
    keysOwed.clear();
    allBack = false;
}

// Each window asked for the front gets the keys on X11, so the last asked ends with them. A window
// minimised again meanwhile stays so: the front would restore it.
void WindowsToFront::raise()
{
    const juce::ScopedValueSetter<bool> ownRaise (raising, true);
    for (int i = 0; i < order.size(); ++i)
        if (auto* window = order[i].getComponent(); window != nullptr && window->isVisible() &&
                                                    (restoring.contains (window) || ! window->isMinimised()))
            window->toFront (i == order.size() - 1);
}
