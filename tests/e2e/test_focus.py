"""End-to-end: keys go only where the user clicked. Typing, arrows and Backspace after a click on
a caption, a title or a banner change nothing the program saves or sends."""

import os

from desktop import wait_until
from editor_case import EditorTestCase, main

IMAGE = 8  # a saved dump: F0, four header bytes, two length bytes and the location, then the image
NAME = slice(IMAGE, IMAGE + 8)
PAD_1_TYPE = IMAGE + 22  # the pads' records follow the name and the transport


class KeyboardFocus(EditorTestCase):
    def saved(self, window, name):
        """Saves the window's preset with Ctrl+S through the chooser; the file's bytes."""
        d = self.desktop
        d.key("ctrl+s")
        self.save_in_chooser(os.path.join(self.tmp.name, name))
        path = os.path.join(self.tmp.name, name + ".qrx571")
        d.find_window("QRX571 Editor " + name)  # the window takes the file's name once written
        with open(path, "rb") as f:
            dump = f.read()
        self.assertEqual((len(dump), dump[0], dump[-1]), (1083, 0xF0, 0xF7))
        return dump

    def click_caption(self, window, caption):
        d = self.desktop
        d.click(*wait_until(lambda: d.find_text(caption, window), 20, "'%s' on screen" % caption))

    def test_typing_after_a_click_on_the_preset_caption_leaves_the_name(self):
        d = self.desktop
        self.start()
        window = self.main_window()
        d.activate(window)
        self.click_caption(window, "PRESET:")
        d.type("zz")
        d.key("BackSpace", "BackSpace", "BackSpace")
        d.screenshot("typed-after-the-caption", window)
        self.assertEqual(self.saved(window, "Caption")[NAME], b"Generic ")

    def test_down_after_a_click_on_the_left_display_leaves_pad_1s_type(self):
        d = self.desktop
        self.start()
        window = self.main_window()
        d.activate(window)
        for caption in ("Pad 1", "MIDI CHANNEL:"):  # the display's title, then a caption
            self.click_caption(window, caption)
            d.key("Down")
        d.screenshot("down-after-the-title", window)
        self.assertEqual(self.saved(window, "Title")[PAD_1_TYPE], 0)  # NOTE

    def test_global_settings_send_only_what_the_user_chose(self):
        d = self.desktop
        self.start()
        settings = self.open_global_settings(self.main_window())
        before = self.send_global_settings(settings)  # the page as loaded

        # The user picks the next COMMON CHANNEL, then clicks the banner and a caption and
        # presses Down: the chooser picked keeps what was picked.
        self.choose(settings, 225, 51, 1)
        for words in ("GLOBAL PARAMETERS", "TAP AVERAGE"):
            self.click_caption(settings, words)
            d.key("Down", "Down", "Down")
        d.screenshot("down-after-the-banner", settings)
        after = self.send_global_settings(settings)
        self.assertEqual([(a, b - a) for a, b in zip(before, after) if a != b], [(before[0], 1)], (before, after))


if __name__ == "__main__":
    main()
