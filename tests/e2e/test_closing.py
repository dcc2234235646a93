"""End-to-end runs of many windows closed at once, as a taskbar's "close all" does: the window
manager sends every window its close request before the program has answered the first."""

import re

from desktop import wait_until
from editor_case import EditorTestCase, main


class ClosingManyWindows(EditorTestCase):
    def answer_next(self, button):
        """Answers the one save question on screen and returns the number of the untitled window it
        asked about, once that question has gone."""
        d = self.desktop
        box = d.find_window("^Save Document$", 30)
        self.assertEqual([n for _, n in d.windows()].count("Save Document"), 1, "one question at a time")
        # The pointer leaves the button it pressed last, which the next question puts under it lit.
        x, y, _, _ = d.geometry(box)
        d.point(x - 10, y - 10)
        number = int(d.wait_for_text(r"Untitled (\d+)", box).group(1))
        # Pressed again if this very box stays, as a person would; the next one has the same name.
        d.click_until(*d.locate(button, box), wait=8, tries=3, until=lambda: box not in [w for w, _ in d.windows()])
        return number

    def test_twenty_windows_closed_at_once_then_answered_no_one_by_one(self):
        d = self.desktop
        program = self.start()
        windows = self.open_windows(20)
        self.close_at_once(windows)
        asked = []
        for _ in windows:
            asked.append(self.answer_next("No"))
            if len(asked) < len(windows):  # each answered window leaves before the next question
                d.wait_gone(self.untitled(asked[-1]), 5)
            if len(asked) == 1:
                d.screenshot("first-answered")
        self.assertEqual(sorted(asked), list(range(1, 21)))
        self.assertEqual(program.wait(30), 0)

    def test_a_cancel_among_windows_closed_at_once_keeps_just_that_window(self):
        d = self.desktop
        program = self.start()
        windows = self.open_windows(6)
        self.close_at_once(windows)
        asked = [self.answer_next(button) for button in ("No", "No", "Cancel", "No", "No", "No")]
        self.assertEqual(sorted(asked), list(range(1, 7)))
        kept = asked[2]
        wait_until(lambda: [n for _, n in d.windows() if re.match("QRX571 Editor", n)]
                   == ["QRX571 Editor Untitled %d" % kept], 20, "only Untitled %d left" % kept)
        d.screenshot("kept")
        self.assertIsNone(program.poll())

        # The window kept still closes as any other.
        self.close_at_once([d.find_window(self.untitled(kept))])
        self.assertEqual(self.answer_next("No"), kept)
        self.assertEqual(program.wait(30), 0)


if __name__ == "__main__":
    main()
