"""End-to-end runs of the editor's windows, files and device transfers."""

import os
import re
import time

from desktop import wait_until
from editor_case import EditorTestCase, main


class WindowsAndFiles(EditorTestCase):
    def size_hints(self, window):
        """The minimum and maximum size a window manager reads from the window, as far as it has them."""
        hints = self.desktop.xprop(window, "WM_NORMAL_HINTS")
        return [tuple(map(int, m)) for m in re.findall(r"(?:minimum|maximum) size: (\d+) by (\d+)", hints)]

    def state(self, window):
        found = re.search(r"window state: (\w+)", self.desktop.xprop(window, "WM_STATE"))
        return found and found.group(1)

    def test_twenty_new_windows_cascade_at_full_size_and_one_minimised_keeps_it(self):
        d = self.desktop
        self.start()
        windows = self.open_windows(20)
        for number, window in enumerate(windows, 1):
            size = lambda: d.geometry(window)[2:]
            # The surface and the menu bar over it, never the 128 x 128 a window manager gives a
            # window whose size it wasn't told before the map.
            wait_until(lambda: size() == (940, 745), 10, lambda: "Untitled %d at 940 x 745, not %s" % (number, size()))
        offset = tuple(b - a for a, b in zip(d.geometry(windows[0])[:2], d.geometry(windows[1])[:2]))
        self.assertEqual(offset, (15, 15))
        d.screenshot("twenty-windows")

        # The last one minimised a while, then restored, can't be resized for good.
        window = windows[-1]
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

    def test_save_as_then_open_from_command_line(self):
        d = self.desktop
        program = self.start()
        window = self.main_window()
        self.rename_preset(window, "LIVE1")

        # Saving at the quit into a folder that is a file fails, even as root: the program, the
        # window and its edits stay (the Save As below writes them).
        blocker = os.path.join(self.tmp.name, "file")
        open(blocker, "w").close()
        d.activate(window)
        d.key("ctrl+q")
        self.answer("Save Document", "Save Preset", "Yes")
        self.save_in_chooser(os.path.join(blocker, "Live"))
        self.answer("QRX571 Editor", "Error Saving File", "Return")
        self.assertIsNone(program.poll())
        self.assertEqual(d.shown("^QRX571 Editor Untitled 1$"), window)

        # A name typed without the extension gets it.
        self.menu(window, "File", "Save As", "Select filename to save")
        self.assertIn(b"LIVE1", self.save_as("Live"))

        # The preset differs from the default, so quitting asks about saving it: Cancel stays.
        for button in ("Cancel", "No"):
            d.activate(window)
            d.key("ctrl+q")
            self.answer("Save Document", "Save Preset: Live.qrx571", button)
            exited = None if button == "Cancel" else program.wait(20)  # a quit takes its time
            self.assertEqual(program.poll(), exited)
        self.assertEqual(program.returncode, 0)

        self.start(os.path.join(self.tmp.name, "Live.qrx571"))
        window = d.find_window("Live")
        d.wait_for_text("LIVE1", window)
        d.screenshot("reopened", window)

    def test_window_closed_during_its_own_save_as(self):
        d = self.desktop
        program = self.start()
        first, second = self.open_windows(2)
        self.rename_preset(second, "KEPT")
        d.key("ctrl+s")
        chooser = d.find_window("Select filename to save")
        d.wait_for_text("Select filename", chooser)
        _, _, width, height = d.geometry(chooser)
        d.click_in(chooser, width // 2, height - 63)  # the name box
        d.type(os.path.join(self.tmp.name, "Kept"))
        # Its title bar's close button, then a close request as a taskbar sends it, under the
        # chooser's loop: nothing is asked, and the chooser stays in front.
        d.click(*d.close_button(second))
        self.close_at_once([second])
        d.screenshot("closed", "root")
        self.assertIsNone(d.shown("^Save Document$"))
        self.assertEqual(d.shown("Select filename to save"), chooser)
        d.click_in(chooser, width - 55, height - 24)  # Save
        # Written, in the window that asked for it, which stays.
        d.find_window("QRX571 Editor Kept")
        d.wait_gone("Select filename to save")
        with open(os.path.join(self.tmp.name, "Kept.qrx571"), "rb") as f:
            self.assertIn(b"KEPT", f.read())
        self.rename_preset(first, "ALIVE")  # the other window still works
        self.assertIsNone(program.poll())


class SmallScreen(EditorTestCase):
    screen = "1366x768"  # a laptop's: no main window fits in its height

    def test_new_windows_cascade_with_ctrl_n_and_start_again_before_a_title_bar_would_leave(self):
        d = self.desktop
        self.start()
        # Enough for the title bars to reach the screen's right side and the cascade to start again.
        windows = self.open_windows(30)
        where = [d.geometry(window)[:2] for window in windows]
        for number in range(1, len(windows)):
            before, now = where[number - 1], where[number]
            if now == where[0]:  # started again, once the title bars had run across the screen
                self.assertGreater(number, 20, "started again at Untitled %d" % (number + 1))
                break
            self.assertEqual((now[0] - before[0], now[1] - before[1]), (15, 15),
                             "Untitled %d at %s, Untitled %d at %s" % (number, before, number + 1, now))
        else:
            self.fail("the cascade never started again: %s" % where)
        d.screenshot("thirty-windows")


class Device(EditorTestCase):
    def test_send_to_slot_7_then_load_it_back(self):
        d = self.desktop
        window = self.open_editor()
        self.rename_preset(window, "SLOT7")
        sender = self.menu(window, "File", "Send To Hardware", "^Send Preset$")
        d.wait_for_text("hardware as", sender)
        # A click on the main window raises it over the tool window; asking for the tool again
        # brings it to the front.
        above = lambda a, b: d.stacking().index(int(a)) > d.stacking().index(int(b))
        d.click_in(window, 20, 400)  # the surface's bare left edge, clear of the tool window
        wait_until(lambda: above(window, sender), 10, "the main window over the tool window")
        self.menu(window, "File", "Send To Hardware", "^Send Preset$")
        wait_until(lambda: above(sender, window), 10, "the tool window in front again")
        self.choose(sender, 287, 62, 7)  # the chooser of locations (too dark to read), RAM down to 7
        d.screenshot("send-preset")
        d.click_in(sender, 297, 112)  # Send, under the chooser
        self.answer("QRX571 Editor", "Sucessfully", "Return")
        wait_until(lambda: os.path.exists(self.state_file)
                   and b"SLOT7" in bytes.fromhex(self.device()["presets"][7]), 20, "slot 7 on the device")

        loader = self.menu(window, "File", "Load From Hardware", "^Load Preset$")
        d.wait_for_text("Slot 01", loader, timeout=60)
        d.screenshot("load-from-hardware", loader)
        # The list shows six rows at a time: wheel down through all of them, then back to 7.
        x, y, width, height = d.geometry(loader)
        d.point(x + width // 2, y + 120)
        seen = set()
        for _ in range(30):  # one wheel step at a time, reading the rows in view
            text = d.read_text(loader)  # RAM counts as location 0
            seen |= {int(n or 0) for n in re.findall(r"^(?:RAM|Preset Slot (\d+))$", text, re.M)}
            if 20 in seen:
                break
            d.xdotool("click", 5)
        self.assertEqual(seen, set(range(21)))
        row = lambda: d.find_text("Preset Slot 7", loader)
        while not row():
            d.xdotool("click", 4)
        d.screenshot("slot-7-in-list", loader)
        opened = []

        def get():
            # The windows Get opens come over the list: bring it back on top first, then press the
            # slot's Get button, right of its number, again if nothing came of it.
            d.activate(loader)
            wait_until(lambda: d.stacking()[-1] == int(loader), 10, "the list on top")
            opened.append(d.click_until(x + 540, row()[1], self.untitled(len(opened) + 2), wait=5))
            d.wait_for_text("SLOT7", opened[-1])
            return opened[-1]

        # Each Get opens a copy of its own of what the device sent: an edit in one reaches no other
        # window, and the list, asked again, gives what the device sent.
        edited, other = get(), get()
        self.rename_preset(edited, "EDITED")
        d.activate(other)  # the box being edited reads badly in its focus outline
        d.wait_for_text("EDITED", edited)
        d.screenshot("edited", edited)
        get()  # by then an edit that reached the other window would show there too
        d.screenshot("got-again", opened[-1])
        for window in (other, opened[-1]):
            self.assertNotIn("EDITED", d.read_text(window))

    def test_batch_browse_of_a_file_that_is_no_preset(self):
        d = self.desktop
        window = self.open_editor()
        batch = self.menu(window, "Tools", "Send Multiple Presets", "^Send Multiple Presets$")
        d.wait_for_text("RAM", batch)
        junk = os.path.join(self.tmp.name, "notes.qrx571")
        with open(junk, "w") as f:
            f.write("not a preset")
        d.click_in(batch, 510, 47)  # the first row's Browse
        self.save_in_chooser(junk, "Select Preset file to load")
        self.answer("QRX571 Editor", "Error Opening File", "Return")


class Tools(EditorTestCase):
    def test_emptied_note_then_auto_populate_major_scale_over_bank_a(self):
        d = self.desktop
        window = self.open_editor()
        # An emptied number box takes back its number, as an out-of-range one does.
        d.activate(window)
        x, y = d.locate("MIDI NOTE:", window)
        d.click(x + 110, y)  # the box right of its caption
        d.key("ctrl+a", "BackSpace")
        wait_until(lambda: not re.search(r"MIDI NOTE:\s*36", d.read_text(window)), 20, "an empty note box")
        d.key("Return")
        # The box keeps the keys after Return, and its outline can read as a character either side
        # of the number (no note reads 36 and more digits).
        shows_36 = lambda text: re.search(r"MIDI NOTE:\W*36", text) and re.search(r"^NOTE:36 C2$", text, re.M)
        wait_until(lambda: shows_36(d.read_text(window)), 20, "36 in the box and on pad 1")
        # After a still moment the first click on a chooser opens its list, and the list stays.
        x, y = d.locate("TYPE:", window)
        time.sleep(3.5)  # the stillness is the case itself, not a wait for the program
        d.click(x + 180, y)
        d.find_window("^menu$", 5)
        d.key("Escape")
        d.wait_gone("^menu$")

        tool = self.menu(window, "Tools", "Auto Populate Tool", "Auto Populate")
        d.wait_for_text("Apply to Banks", tool)
        # The pads' rows, where the tool's own pictures draw them (check boxes carry no text).
        d.click_in(tool, 28, 132)  # tick SCALE
        self.choose(tool, 145, 132, 1)  # its chooser: CHROMATIC, then MAJOR
        d.click_in(tool, 524, 92)  # bank A
        d.screenshot("auto-populate", tool)
        d.click_in(tool, 560, 126)  # Apply
        major = [0, 2, 4, 5, 7, 9, 11]

        def pad_notes():
            notes = sorted(int(n) for n in re.findall(r"NOTE:(\d+)", d.read_text(window)))
            return len(notes) == 16 and notes[0] % 12 == 0 and notes
        d.activate(window)
        notes = wait_until(pad_notes, 20, "sixteen pads in a scale")
        d.screenshot("pads-in-major", window)
        self.assertEqual(notes, [notes[0] + 12 * (i // 7) + major[i % 7] for i in range(16)])


if __name__ == "__main__":
    main()
