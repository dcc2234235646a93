// The test as the desktop's window manager, on a connection of its own to the X server: it maps,
// moves, iconifies and raises the program's windows as they ask or as a user asks it to, and at
// every map and configure request it reads the window's size hints, when a window manager reads
// them. It also sees JUCE's peer make and drop each window's picture. An X server takes one
// window manager at a time, and this one serves only while a test runs the loop through it.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>

class WindowManagerStandIn
{
public:
    WindowManagerStandIn();
    ~WindowManagerStandIn();

    // Close requests as a window manager sends them (a taskbar's "close all", wmctrl -c): a
    // WM_DELETE_WINDOW message to each window, all sent before the program reads the first. Needs
    // no stand-in on the screen.
    static void sendCloseRequests (const juce::Array<juce::Component*>& windows);

    // False when another window manager has the screen.
    bool isManaging() const;

    // Runs the program's loop, carrying out every request that comes, until the condition holds.
    bool runUntil (const std::function<bool()>& condition, int timeoutMs = 5000);

    // Every request of a window of fixed size met without its whole hints, then each of `windows`
    // whose hints are not whole now ("name, map: size WxH min WxH max WxH", "-" where missing).
    // Whole hints hold the window's size as its minimum and its maximum too. The list empties.
    juce::StringArray takeWrongHints (const juce::Array<juce::Component*>& windows);

    // From now on, as metacity does under load: a window the program restores is shown over the
    // rest and given the keys late, once the program has asked for windows to be raised after it.
    void activateRestoredWindowsLate();
    bool owesActivations() const;

    // From now on, as metacity and openbox do: a window mapped for the first time goes on top of
    // the rest and gets the keys.
    void activateNewWindows();

    // From now on, as metacity may: keys that fall to the desktop (the window that had them went)
    // reach none of the program's windows until one is clicked or activated. Metacity leaves them
    // on the root window, behind its frames; here a window of the stand-in's own holds them.
    void holdKeysThatFallToTheDesktop();

    // What the title bar's minimise button, and a click on the window in a taskbar, do.
    void minimise (juce::Component& window);
    void restore (juce::Component& window);
    // What a click on the window, or Alt+Tab to it, does: it comes over the rest with the keys.
    void activate (juce::Component& window);
    bool isMapped (juce::Component& window);
    bool isAbove (juce::Component& upper, juce::Component& lower);

    // How many configure requests of the window it has carried out, and how often JUCE's peer has
    // dropped the window's picture, since the counts last restarted.
    int configureRequests (juce::Component& window) const;
    int picturesDropped (juce::Component& window) const;
    void restartCounts();

    // Each size the window was asked to take by a configure request ("WxH"), in order, repeats
    // left out; those made before its map too.
    juce::StringArray sizesAsked (juce::Component& window) const;

private:
    struct Connection;
    std::unique_ptr<Connection> connection;

    JUCE_DECLARE_NON_COPYABLE (WindowManagerStandIn)
};
