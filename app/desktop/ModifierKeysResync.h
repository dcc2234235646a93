// Keeps the program's idea of the held modifier keys true to the keyboard.
//
// JUCE on X11 learns of Shift, Ctrl and Alt from the key presses and releases its windows
// receive. A window manager's own shortcut (Alt+F4) takes the keyboard while the user lets Alt
// go, so no window of the program hears the release, and Alt stayed pressed for JUCE: every
// shortcut typed next came as Ctrl+Alt and did nothing until the mouse moved over a window. Each
// key event from the X server carries the modifiers held as it was typed; they are taken from it
// before JUCE reads the key, as JUCE already does for mouse events.
#pragma once

class ModifierKeysResync
{
public:
    // Once, as the program starts; again does nothing.
    static void install();
};
