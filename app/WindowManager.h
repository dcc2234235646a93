// Keeps the open main windows, counts every one ever made (for the "Untitled" numbers) and
// places each new one in a cascade.
#pragma once

#include "app/MainWindow.h"
#include "app/desktop/WindowsToFront.h"

class WindowManager : public juce::ReferenceCountedObject
{
public:
    using Ptr = juce::ReferenceCountedObjectPtr<WindowManager>;

    // Places the window by the number now open (not the number made), in a cascade that starts
    // again before a window's title bar would leave the screen's work area, and shows it.
    void addWindow (MainWindow::Ptr window);
    // Hides the window at once: an operation of its own may still hold it for a moment.
    void removeWindow (MainWindow* window);
    bool contains (const MainWindow* window) const { return windows.contains (window); }

    int getNumWindows() const { return windows.size(); }
    int getNumWindowsCreated() const { return numWindowsCreated; }

    // A copy, so the caller may close windows while it walks it.
    juce::ReferenceCountedArray<MainWindow> getWindows() const { return windows; }

    // The last window of the list that is the active one, or null.
    MainWindow::Ptr getActiveWindow() const;

    // Every window of the program in front, the one that has the keys on top: see WindowsToFront.
    void bringAllToFront();

private:
    juce::Point<int> cascadePosition (const MainWindow& window) const;

    juce::ReferenceCountedArray<MainWindow> windows;
    int numWindowsCreated = 0;
    WindowsToFront toFront;
};
