// Close and quit requests for the main windows, asked one "Save Document" question at a time.
// The save question runs a modal loop, in which the window manager's next close request (a
// taskbar's "close all" sends one per window) arrives: asked there, each question would open
// inside the one before. Instead a request that comes while a question is open waits its turn,
// and the first request's caller asks them all, in the order they came.
#pragma once

#include "app/MainWindow.h"

#include <deque>
#include <functional>

class WindowManager;

class CloseQueue
{
public:
    // windowClosed runs as each window leaves; finished once no request is left, told whether a
    // quit found every window closed.
    CloseQueue (WindowManager& windows, std::function<void()> windowClosed,
                std::function<void (bool quitAnswered)> finished);

    // Asks whether to save the window, then closes it unless the answer was Cancel. A request for
    // a window whose question is open, or that already waits, asks nothing more.
    void requestClose (MainWindow* window);

    // Asks each open window in turn, closing it, and stops at the first Cancel; when none is left,
    // the quit is answered. Requests that wait after it keep their turn, whatever it answers.
    void requestQuit();

private:
    struct Request
    {
        MainWindow::Ptr window; // none: a quit
    };

    void add (Request request);
    bool isWaiting (const MainWindow* window) const;
    bool ask (MainWindow& window);
    bool quit();

    WindowManager& windows;
    std::function<void()> windowClosed;
    std::function<void (bool)> finished;
    std::deque<Request> waiting;
    const MainWindow* asked = nullptr; // the window whose question is open
    bool quitting = false;
    bool running = false;

    JUCE_DECLARE_NON_COPYABLE (CloseQueue)
};
