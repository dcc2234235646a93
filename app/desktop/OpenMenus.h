// The chooser lists and menus open on screen. Each is a window of its own, which JUCE deletes a
// moment after it closes, and it draws with the look of the chooser, box or menu bar that opened
// it. So a window that goes while one of its lists is open must close that list first, before
// its components and their looks go: the list would stay on screen, or use a look that is gone.
// And every modal box (a question, a message, a file chooser) closes them all as it comes up: a
// list left open floats over the box and still takes clicks, which reach past the box's modal
// state to the window that opened it.
#pragma once

namespace OpenMenus
{
// Closes every open list and menu, each letting go of its look at once. JUCE tells no list's
// owner, but a click anywhere else closes a list, so the one open belongs to the going window or
// to a tool window that goes with it. JUCE's chooser closes its own list the same way. What
// opened each list (a chooser, a menu bar) learns from the message loop that nothing was picked.
void closeAll();
} // namespace OpenMenus
