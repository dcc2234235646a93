#include "app/CloseQueue.h"

#include "app/WindowManager.h"

#include <algorithm>

CloseQueue::CloseQueue (WindowManager& windowList, std::function<void()> onWindowClosed,
                        std::function<void (bool)> onFinished)
    : windows (windowList)
    , windowClosed (std::move (onWindowClosed))
    , finished (std::move (onFinished))
{
}

void CloseQueue::requestClose (MainWindow* window)
{
    if (window != nullptr && windows.contains (window) && window != asked && ! isWaiting (window))
        add ({ window });
}

void CloseQueue::requestQuit()
{
    if (! quitting && ! isWaiting (nullptr))
        add ({ nullptr });
}

bool CloseQueue::isWaiting (const MainWindow* window) const
{
    return std::any_of (waiting.begin(), waiting.end(), [window] (auto& r) { return r.window == window; });
}

void CloseQueue::add (Request request)
{
    waiting.push_back (std::move (request));
    if (running)
        return; // the caller of the first request asks it in its turn

    const juce::ScopedValueSetter<bool> runningNow (running, true);
    bool quitAnswered = false;

    while (! waiting.empty())
    {
        const auto next = waiting.front();
        waiting.pop_front();

        if (next.window == nullptr)
            quitAnswered = quit() || quitAnswered;
        else if (windows.contains (next.window.get())) // a quit may have closed it meanwhile
            ask (*next.window);
    }

    finished (quitAnswered);
}

bool CloseQueue::quit()
{
    // The live list: a window closed by a request answered meanwhile is not asked again.
    const juce::ScopedValueSetter<bool> quittingNow (quitting, true);
    while (windows.getNumWindows() > 0)
        if (! ask (*windows.getWindows().getFirst()))
            return false;
    return true;
}

bool CloseQueue::ask (MainWindow& window)
{
    const MainWindow::Ptr keptWhileAsking (&window);
    const juce::ScopedValueSetter<const MainWindow*> askingNow (asked, &window);
    if (! window.confirmSave())
        return false;

    // Off the screen now, before the next question: nothing answered stays up behind it.
    if (windows.contains (&window))
    {
        windows.removeWindow (&window);
        windowClosed();
    }
    return true;
}
