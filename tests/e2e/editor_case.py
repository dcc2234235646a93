"""What every end-to-end case shares: the built editor started on a desktop of its own, driven
only through the X server as a person would, and checked by what is on screen, the files it saves
and what the device (the emulator, through its state file) holds.

Each test_*.py beside this file is run as: test_X.py EDITOR SHOTS_DIR [unittest args]"""

import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

from desktop import Desktop, wait_until

EDITOR = None
SHOTS = None


class EditorTestCase(unittest.TestCase):
    screen = "1280x1024"  # the size of the desktop's screen

    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        shots = os.path.join(SHOTS, self.id().split(".")[-1])
        shutil.rmtree(shots, ignore_errors=True)
        self.desktop = Desktop(shots, self.screen)
        self.state_file = os.path.join(self.tmp.name, "device.json")
        self.programs = []

    def tearDown(self):
        self.desktop.screenshot("end")  # what the screen showed last, pass or fail
        try:
            for program in self.programs:
                program.kill()
                program.wait()
            self.assertEqual(self.faults_reported(), [])
        finally:
            self.desktop.close()
            self.tmp.cleanup()

    # What a sanitizer build of the editor, or a debug build's JUCE, says of a fault it found.
    FAULT_LINES = re.compile(r"ERROR: (Address|Leak)Sanitizer|runtime error:|JUCE Assertion failure")

    def faults_reported(self):
        """Every line of the editors' error output that reports a fault, with what follows it."""
        faults = []
        logs = os.path.join(self.tmp.name, "logs")
        for log in sorted(os.listdir(logs)) if os.path.isdir(logs) else []:
            with open(os.path.join(logs, log), errors="replace") as f:
                lines = f.read().splitlines()
            faults += ["\n".join(lines[i:i + 30]) for i, line in enumerate(lines) if self.FAULT_LINES.search(line)]
        return faults

    def start(self, *args):
        """The editor as a user starts it, the device stood in for by the emulator."""
        env = dict(self.desktop.env, QRX571_EMULATOR="1", QRX571_EMULATOR_STATE=self.state_file)
        os.makedirs(os.path.join(self.tmp.name, "logs"), exist_ok=True)
        with open(os.path.join(self.tmp.name, "logs", "editor-%d" % len(self.programs)), "w") as log:
            self.programs.append(subprocess.Popen([EDITOR] + list(args), env=env, stdout=subprocess.DEVNULL,
                                                  stderr=log))
        return self.programs[-1]

    def open_editor(self):
        """Starts the editor with no file; its first window."""
        self.start()
        return self.main_window()

    def device(self):
        with open(self.state_file) as f:
            return json.load(f)

    def menu(self, window, menu, item, opens):
        """Picks the item from a menu of the window's menu bar and returns the window it opens.
        A click can land before the menu has noticed the pointer over the item, so a person
        clicks again while the menu stays."""
        d = self.desktop
        d.activate(window)
        d.click_until(*d.locate(menu, window))
        d.click_until(*d.locate(item), wait=3, tries=3, gone=True)
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

    @staticmethod
    def untitled(number):
        return "^QRX571 Editor Untitled %d$" % number

    def main_window(self, number=1):
        return self.desktop.find_window(self.untitled(number))

    def open_windows(self, count):
        """The first main window and `count` - 1 more, each opened with Ctrl+N from the one before."""
        windows = [self.main_window()]
        for number in range(2, count + 1):
            self.desktop.activate(windows[-1])
            self.desktop.key("ctrl+n")
            windows.append(self.main_window(number))
        return windows

    def rename_preset(self, window, name):
        d = self.desktop
        d.activate(window)
        # The name box, right of PRESET: in the right display. Not found by reading the screen: a
        # window just opened shows what lay under it until it has painted itself (a slow build of
        # the editor takes a while), and that can be the window before, with its box elsewhere.
        d.click_in(window, 657, 127)
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

    def save_as(self, name):
        """Saves as `name` through the open file chooser; the file's bytes, once the window bears
        its name."""
        self.save_in_chooser(os.path.join(self.tmp.name, name))
        self.desktop.find_window("QRX571 Editor " + name)
        with open(os.path.join(self.tmp.name, name + ".qrx571"), "rb") as f:
            dump = f.read()
        self.assertEqual((len(dump), dump[0], dump[-1]), (1083, 0xF0, 0xF7))
        return dump

    def close_at_once(self, windows):
        """A close request to each window through the window manager, all sent together, as a
        taskbar's "close all" sends them."""
        closers = [subprocess.Popen(["wmctrl", "-i", "-c", str(w)], env=self.desktop.env) for w in windows]
        for closer in closers:
            self.assertEqual(closer.wait(20), 0)

    def answer(self, title, text, button):
        """Waits for the message box with that title and text and presses its button."""
        d = self.desktop
        box = d.find_window("^%s$" % re.escape(title))
        d.wait_for_text(text, box)
        d.screenshot(title.replace(" ", "-").lower(), box)
        if button == "Return":  # OK has too little text to read in its frame; Return presses it
            d.activate(box)
            d.key("Return")
        else:  # pressed again if the box stays, as a person would
            d.click_until(*d.locate(button, box), "^%s$" % re.escape(title), wait=8, tries=3, gone=True)
        d.wait_gone("^%s$" % re.escape(title))


def main():
    global EDITOR, SHOTS
    EDITOR, SHOTS = sys.argv[1], sys.argv[2]
    unittest.main(argv=[sys.argv[0]] + sys.argv[3:], verbosity=2)
