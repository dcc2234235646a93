"""End-to-end: keys go only where the user clicked. Typing, arrows and Backspace after a click on
a caption, a title or a banner change nothing the program saves or sends."""

from editor_case import EditorTestCase, main

IMAGE = 8  # a saved dump: F0, four header bytes, two length bytes and the location, then the image
NAME = slice(IMAGE, IMAGE + 8)
PAD_1_TYPE = IMAGE + 22  # the pads' records follow the name and the transport
KNOB_1 = PAD_1_TYPE + 64 * 11  # then the knobs' records follow the 64 pads' of 11 bytes
KNOB_1_CC, KNOB_1_MAX = KNOB_1 + 2, KNOB_1 + 4
KNOB_1_MSB, KNOB_1_LSB = KNOB_1 + 6, KNOB_1 + 7


class KeyboardFocus(EditorTestCase):
    def test_keys_after_clicks_on_the_name_caption_and_the_left_display_leave_the_preset(self):
        d = self.desktop
        window = self.open_editor()
        d.activate(window)
        d.click_text("PRESET:", window)
        d.type("zz")
        d.key("BackSpace", "BackSpace", "BackSpace")
        for caption in ("Pad 1", "MIDI CHANNEL:"):  # the left display's title, then a caption
            d.click_text(caption, window)
            d.key("Down")
        d.screenshot("typed-after-the-captions", window)
        d.key("ctrl+s")
        dump = self.save_as("Captions")
        self.assertEqual((dump[NAME], dump[PAD_1_TYPE]), (b"Generic ", 0))  # pad 1 still a NOTE

    def test_a_number_typed_into_a_box_left_by_tab_is_saved(self):
        d = self.desktop
        window = self.open_editor()
        d.activate(window)
        d.click_in(window, 594, 322)  # knob 1, on the surface under the displays
        d.wait_for_text("Knob 1", window)
        d.click_in(window, 505, 168)  # its MAX box, right of the caption
        d.type("64")
        d.key("Tab")  # on to MIDI CC, which opens for typing
        d.type("33")
        d.key("Return", "ctrl+s")
        dump = self.save_as("Tabbed")
        d.screenshot("saved", window)
        self.assertEqual((dump[KNOB_1_MAX], dump[KNOB_1_CC]), (64, 33))

    def test_numbers_typed_into_linked_boxes_left_by_tab_are_applied(self):
        d = self.desktop
        window = self.open_editor()
        tool = self.menu(window, "Tools", "Auto Populate Tool", "Auto Populate")
        d.wait_for_text("Apply to Banks", tool)
        self.choose(tool, 145, 232, 2)  # the knobs' TYPE: CC, AFTERTOUCH, then INC/DEC 1
        d.screenshot("inc-dec-1", tool)  # MSB and LSB under START (too dark for OCR to read)
        # START splits into MSB and LSB as it is left: each box Tab opens takes what is typed next.
        d.click_in(tool, 145, 298)  # START, below the knobs' rows
        d.type("300")
        d.key("Tab")
        d.type("5")
        d.key("Tab")
        d.type("9")
        d.key("Return")
        d.click_in(tool, 28, 276)  # tick ORDER, which writes START's run
        d.click_in(tool, 536, 258)  # the knobs' bank A
        d.screenshot("typed", tool)
        d.click_in(tool, 560, 292)  # their Apply
        d.activate(window)
        d.key("ctrl+s")
        dump = self.save_as("Linked")
        self.assertEqual((dump[KNOB_1_MSB], dump[KNOB_1_LSB]), (5, 9))

    def test_keys_back_after_the_save_question_and_the_chooser_go_to_max_not_the_name_left_before(self):
        d = self.desktop
        window = self.open_editor()
        d.activate(window)
        x, y = d.locate("PRESET:", window)
        d.click(x + 70, y)  # the name box, right of its caption
        d.key("End")
        d.key("ctrl+n")  # the keys go to the new window
        self.main_window(2)
        d.activate(window)
        d.click_in(window, 594, 322)  # knob 1
        d.wait_for_text("Knob 1", window)
        d.click_in(window, 505, 168)  # its MAX box
        d.type("44")
        d.key("ctrl+w")
        d.wait_for_text("Save Preset", d.find_window("^Save Document$"))
        d.key("Escape")
        d.wait_gone("^Save Document$")
        d.key("BackSpace", "BackSpace")
        d.type("ZZ")
        d.key("ctrl+s")  # an untitled window: the chooser, cancelled the same way
        chooser = d.find_window("Select filename to save")
        d.wait_for_text("Select", chooser)
        d.key("Escape")
        d.wait_gone("Select filename to save")
        d.key("BackSpace", "BackSpace")
        d.type("ZZ")
        d.screenshot("typed-after-the-question-and-the-chooser", window)
        d.key("ctrl+s")
        dump = self.save_as("Back")
        self.assertEqual((dump[NAME], dump[KNOB_1_MAX]), (b"Generic ", 44))

    def test_global_settings_send_only_what_the_user_chose(self):
        d = self.desktop
        settings = self.open_global_settings(self.open_editor())
        before = self.send_global_settings(settings)  # the page as loaded

        # The user picks the next COMMON CHANNEL, then clicks the banner and a caption and
        # presses Down: the chooser picked keeps what was picked.
        self.choose(settings, 225, 51, 1)
        for words in ("GLOBAL PARAMETERS", "TAP AVERAGE"):
            d.click_text(words, settings)
            d.key("Down", "Down", "Down")
        d.screenshot("down-after-the-banner", settings)
        after = self.send_global_settings(settings)
        self.assertEqual([(a, b - a) for a, b in zip(before, after) if a != b], [(before[0], 1)], (before, after))


if __name__ == "__main__":
    main()
