// Keys pressed and let go on the X server through a connection of the test's own, as a keyboard
// does: they go to the window that has the server's keyboard focus, and JUCE reads them as it
// reads a user's.
#pragma once

namespace testutil
{
class ServerKeyboard
{
public:
    ServerKeyboard();
    ~ServerKeyboard();

    bool isOpen() const { return display != nullptr; }

    // A key by its X name ("Alt_L", "Control_L", "n"), pressed or let go; then JUCE has read it.
    void key (const char* name, bool down);

    // The same, once the server has sent it on, but left for the program to read when it will.
    void send (const char* name, bool down);

    // What a window manager does as it activates a window (Alt+Tab, a click on its title bar or in
    // a taskbar): the server's keyboard focus goes to it; then JUCE has read the focus change. The
    // window is given by its native handle.
    void focus (void* window);

    // What a window manager does as it acts on a shortcut of its own: while it holds the
    // keyboard, what is typed never reaches the program, whichever window has the focus.
    void grab();
    void ungrab();

private:
    void* display;

    ServerKeyboard (const ServerKeyboard&) = delete;
    ServerKeyboard& operator= (const ServerKeyboard&) = delete;
};
} // namespace testutil
