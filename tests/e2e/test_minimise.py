"""End-to-end runs of a window that is minimised and restored: it keeps its size for good."""

import re
import time

from desktop import wait_until
from editor_case import EditorTestCase, main


class FixedSizeWindows(EditorTestCase):
    def size_hints(self, window):
        """The minimum and maximum size a window manager reads from the window, as far as it has them."""
        hints = self.desktop.xprop(window, "WM_NORMAL_HINTS")
        return [tuple(map(int, m)) for m in re.findall(r"(?:minimum|maximum) size: (\d+) by (\d+)", hints)]

    def state(self, window):
        found = re.search(r"window state: (\w+)", self.desktop.xprop(window, "WM_STATE"))
        return found and found.group(1)

    def test_a_minimised_window_cannot_be_resized_once_restored(self):
        d = self.desktop
        window = self.open_editor()
        d.wait_for_text("PRESET:", window)
        self.assertEqual(d.geometry(window)[2:], (940, 745))

        d.activate(window)
        d.key("ctrl+m")
        wait_until(lambda: self.state(window) == "Iconic", 20, "the window minimised")
        time.sleep(4)  # a minimised window left a while is the case itself, not a wait for the program
        d.activate(window)
        wait_until(lambda: self.state(window) == "Normal", 20, "the window restored")
        d.wait_for_text("PRESET:", window)  # painted again

        x, y, _, _ = d.geometry(window)
        d.xdotool("windowsize", window, 600, 400)
        # The window manager answers requests in turn: once the move that follows the resize is
        # done, so is the resize, whatever came of it.
        d.xdotool("windowmove", "--sync", window, x + 20, y + 10)
        d.screenshot("asked-for-600x400", window)
        self.assertEqual(d.geometry(window)[2:], (940, 745))
        self.assertEqual(self.size_hints(window), [(940, 745), (940, 745)])


if __name__ == "__main__":
    main()
