"""End-to-end: keys go only where the user clicked. Typing, arrows and Backspace after a click on
a caption, a title or a banner change nothing the program saves or sends."""

from editor_case import EditorTestCase, main

IMAGE = 8  # a saved dump: F0, four header bytes, two length bytes and the location, then the image
NAME = slice(IMAGE, IMAGE + 8)
PAD_1_TYPE = IMAGE + 22  # the pads' records follow the name and the transport


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
