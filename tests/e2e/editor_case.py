"""What every end-to-end case shares: the built editor started on a desktop of its own, driven
only through the X server as a person would, and checked by what is on screen, the files it saves
and what the device (the emulator, through its state file) holds.

Each test_*.py beside this file is run as: test_X.py EDITOR SHOTS_DIR [unittest args]"""

import json
import os
import re
import shutil
import sys
import tempfile
import unittest

from desktop import Desktop, wait_until

EDITOR = None
SHOTS = None


class EditorTestCase(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        shots = os.path.join(SHOTS, self.id().split(".")[-1])
        shutil.rmtree(shots, ignore_errors=True)
        self.desktop = Desktop(shots)
        self.state_file = os.path.join(self.tmp.name, "device.json")
        self.programs = []

    def tearDown(self):
        self.desktop.screenshot("end")  # what the screen showed last, pass or fail
        for program in self.programs:
            program.kill()
            program.wait()
        self.desktop.close()
        self.tmp.cleanup()

    def start(self, *args):
        self.programs.append(self.desktop.start(EDITOR, args, self.state_file))
        return self.programs[-1]

    def device(self):
        with open(self.state_file) as f:
            return json.load(f)

    def menu(self, window, menu, item, opens):
        """Picks the item from a menu of the window's menu bar and returns the window it opens.
        A click can land before the menu has noticed the pointer over the item, so a person
        clicks again while the menu stays."""
        d = self.desktop
        d.activate(window)
        d.click_until(*wait_until(lambda: d.find_text(menu, window), 20, "'%s' in the menu bar" % menu))
        x, y = wait_until(lambda: d.find_text(item), 20, "'%s' in the menu" % item)
        for attempt in range(3):
            d.click(x, y)
            try:
                d.wait_gone("^menu$", timeout=3)
                break
            except AssertionError:
                if attempt == 2:
                    raise
        return d.find_window(opens)

    def choose(self, window, x, y, steps):
        """Opens the chooser at (x, y) in the window and moves down `steps` items to pick."""
        d = self.desktop
        wx, wy, _, _ = d.geometry(window)
        d.click_until(wx + x, wy + y)
        d.key(*["Down"] * steps + ["Return"])
        d.wait_gone("^menu$")

    def open_global_settings(self, window):
        """Opens Global Settings from the window's menu once the program has started; the window
        opened, once it shows the device's settings."""
        settings = self.menu(window, "Tools", "Global Settings Editor", "^Global Settings$")
        # The page asks the device for its settings as it opens: Send only once they are shown.
        wait_until(lambda: os.path.exists(self.state_file), 20, "the device's state")
        self.desktop.wait_for_text("GLOBAL PARAMETERS", settings)
        return settings

    def send_global_settings(self, settings):
        """Presses Send in the Global Settings window and returns the device's settings once it
        has taken all ten, each followed by a request for them."""
        d = self.desktop
        received = self.device()["received"]
        _, _, _, height = d.geometry(settings)
        d.click_in(settings, 557, height - 28)  # Send, bottom right
        wait_until(lambda: self.device()["received"] >= received + 20, 20, "the device to take the settings")
        return self.device()["globals"]

    def main_window(self, title="QRX571 Editor Untitled 1"):
        return self.desktop.find_window("^" + re.escape(title) + "$")

    def rename_preset(self, window, name):
        d = self.desktop
        d.activate(window)
        x, y = wait_until(lambda: d.find_text("PRESET:", window), 20, "the preset name's caption")
        d.click(x + 70, y)  # the name box stands right of its caption
        d.key("ctrl+a")
        d.type(name)
        d.key("Return")

    def save_in_chooser(self, path, title="Select filename to save"):
        """Types the path into the open file chooser and presses its Save or Open button. Both
        are too small to read reliably: the name box spans the bottom, the button ends it."""
        d = self.desktop
        chooser = d.find_window(title)
        d.wait_for_text(title.split()[0], chooser)
        _, _, width, height = d.geometry(chooser)
        d.click_in(chooser, width // 2, height - 63)
        d.type(path)
        d.screenshot("chooser", chooser)
        d.click_in(chooser, width - 55, height - 24)

    def answer(self, title, text, button):
        """Waits for the message box with that title and text and presses its button."""
        d = self.desktop
        box = d.find_window("^%s$" % re.escape(title))
        d.wait_for_text(text, box)
        d.screenshot(title.replace(" ", "-").lower(), box)
        if button == "Return":  # OK has too little text to read in its frame; Return presses it
            d.activate(box)
            d.key("Return")
        else:
            d.click_text(button, box)
        d.wait_gone("^%s$" % re.escape(title))


def main():
    global EDITOR, SHOTS
    EDITOR, SHOTS = sys.argv[1], sys.argv[2]
    unittest.main(argv=[sys.argv[0]] + sys.argv[3:], verbosity=2)
