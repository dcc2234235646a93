"""End-to-end runs of Load From Hardware: every Get opens a copy of its own of what the device
sent."""

import re

from desktop import wait_until
from editor_case import EditorTestCase, main


class LoadFromHardware(EditorTestCase):
    def test_an_edit_after_get_reaches_no_other_window_nor_the_list(self):
        d = self.desktop
        loader = self.menu(self.open_editor(), "File", "Load From Hardware", "^Load Preset$")
        d.wait_for_text("Slot 01", loader, timeout=60)  # the names show once all 21 are fetched
        d.screenshot("listed", loader)
        _, y = d.locate("RAM", loader)
        left = d.geometry(loader)[0]
        opened = []

        def get():
            # The windows Get opens come over the list: bring it back on top first, then press the
            # RAM row's Get button, right of its name, again if nothing came of it.
            d.activate(loader)
            wait_until(lambda: d.stacking()[-1] == int(loader), 10, "the list on top")
            opened.append(d.click_until(left + 540, y, self.untitled(len(opened) + 2), wait=5))
            d.wait_for_text(r"\bRAM\b", opened[-1])
            return opened[-1]

        edited, other = get(), get()
        self.rename_preset(edited, "EDITED")
        d.activate(other)  # the box being edited reads badly in its focus outline
        d.wait_for_text("EDITED", edited)
        d.screenshot("edited", edited)

        # Asked again, the list gives what the device sent, not the edit; by then an edit that
        # reached the other window would show there too.
        d.wait_for_text(r"\bRAM\b", get())
        d.screenshot("got-again", opened[-1])
        d.screenshot("other", other)
        text = d.read_text(other)
        self.assertNotIn("EDITED", text)
        self.assertTrue(re.search(r"\bRAM\b", text), text)
        self.assertNotIn("EDITED", d.read_text(opened[-1]))


if __name__ == "__main__":
    main()
