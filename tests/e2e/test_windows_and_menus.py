"""End-to-end: lists and menus under the program's boxes, Bring All To Front, and the program's
shortcuts in its tool windows."""

import os

from desktop import wait_until
from editor_case import EditorTestCase, main

IMAGE = 8  # a saved dump: F0, four header bytes, two length bytes and the location, then the image
KNOB_1_TYPE = IMAGE + 726  # the knobs' records follow the pads'


class WindowsAndMenus(EditorTestCase):
    def test_a_list_left_open_closes_as_the_save_question_comes_up(self):
        d = self.desktop
        program = self.start()
        window = self.main_window()
        d.activate(window)
        d.click_in(window, 593, 322)  # knob 1, the first of the row of knobs
        d.wait_for_text("Knob 1", window)
        x, y = d.locate("TYPE:", window)
        types = d.click_until(x + 180, y)  # the chooser right of its caption
        aftertouch = d.locate("AFTERTOUCH", types)
        d.screenshot("type-list")

        self.close_at_once([window])
        d.wait_for_text("Save Preset", d.find_window("^Save Document$"))
        list_under_the_question = d.shown("^menu$")
        d.click(*aftertouch)  # where the list showed AFTERTOUCH
        self.answer("Save Document", "Save Preset", "Yes")
        self.save_in_chooser(os.path.join(self.tmp.name, "Knob"))
        self.assertEqual(program.wait(30), 0)  # the last window saved and closed
        with open(os.path.join(self.tmp.name, "Knob.qrx571"), "rb") as f:
            self.assertEqual(f.read()[KNOB_1_TYPE], 0)  # still CC
        self.assertIsNone(list_under_the_question)

    def test_bring_all_to_front_leaves_the_window_it_was_chosen_in_on_top_with_the_keys(self):
        d = self.desktop
        self.start()
        first, second, third = self.open_windows(3)
        self.open_global_settings(third)
        d.activate(first)
        d.key("ctrl+m")
        state = lambda: d.xprop(first, "WM_STATE")
        wait_until(lambda: "Iconic" in state(), 20, "Untitled 1 minimised")

        self.menu(second, "Window", "Bring All To Front", self.untitled(2))
        wait_until(lambda: d.stacking()[-1] == int(second) and "Normal" in state(), 20,
                   lambda: "Untitled 2 on top and Untitled 1 back (stacking %s of %s)" % (d.stacking(), d.windows()))
        d.screenshot("brought-to-front")
        d.key("ctrl+s")
        self.save_as("Front")

    def test_the_programs_shortcuts_work_in_the_tool_windows(self):
        d = self.desktop
        program = self.start()
        window = self.main_window()
        settings = self.open_global_settings(window)
        d.activate(settings)
        # Save and Close act on a preset: from a tool window they ask nothing, and New still works.
        d.key("ctrl+s", "ctrl+w", "ctrl+n")
        self.main_window(2)
        self.assertEqual([n for _, n in d.windows() if "Save" in n or "Select" in n], [])

        sender = self.menu(window, "File", "Send To Hardware", "^Send Preset$")
        d.activate(sender)
        d.key("ctrl+q")
        self.answer("Save Document", "Save Preset", "Cancel")
        self.assertIsNone(program.poll())


if __name__ == "__main__":
    main()
