"""A private X desktop for driving the editor as a person would: an Xvfb server of its own,
keys and clicks through xdotool, screenshots, and OCR (tesseract) to read what the windows show."""

import os
import re
import subprocess
import tempfile
import time


def wait_until(condition, timeout=20.0, what="condition"):
    """Polls until condition() gives something truthy, which it returns."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + (what() if callable(what) else what))
        time.sleep(0.1)


class Desktop:
    def __init__(self, shots_dir, screen="1280x1024"):
        self.shots_dir = shots_dir
        os.makedirs(shots_dir, exist_ok=True)
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen + "x24", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        # One OCR thread: tesseract's thread pool crawls on a loaded machine.
        self.env = dict(os.environ, DISPLAY=":" + number, OMP_THREAD_LIMIT="1")
        # A real window manager, as on every desktop: it reparents, places, focuses and stacks
        # the windows, which changes what the program meets.
        self.wm = None
        wait_until(self.wm_started, 90, "the window manager")
        self.shot_count = 0

    def wm_started(self):
        """Starts the window manager, again if it gave up (it can on a loaded machine), until it
        manages the screen."""
        if self.wm is None or self.wm.poll() is not None:
            self.wm = subprocess.Popen(["metacity", "--replace", "--sm-disable"], env=self.env,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return self.wm_managing()

    def wm_managing(self):
        """The window manager has taken the screen: the root names its check window."""
        check = re.search(r"window id # (0x[0-9a-f]+)", self.xprop("root", "_NET_SUPPORTING_WM_CHECK"))
        return check and "_NET_WM_NAME" in self.xprop(check.group(1), "_NET_WM_NAME")

    def close(self):
        for process in (self.wm, self.xvfb):
            process.kill()
            process.wait()

    def _run(self, args, check=True):
        result = subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=120)
        if check and result.returncode != 0:
            raise RuntimeError(" ".join(args) + ": " + result.stderr)
        return result.stdout

    def xdotool(self, *args, check=True):
        return self._run(["xdotool"] + [str(a) for a in args], check)

    def windows(self):
        """(id, title) of every shown window that has a title."""
        ids = self.xdotool("search", "--onlyvisible", "--name", ".", check=False).split()
        return [(w, n) for w in ids for n in [self.xdotool("getwindowname", w, check=False).strip()] if n]

    def shown(self, pattern):
        return next((w for w, n in self.windows() if re.search(pattern, n)), None)

    def find_window(self, pattern, timeout=20.0):
        return wait_until(lambda: self.shown(pattern), timeout,
                          lambda: "a window named /%s/ (have %s)" % (pattern, self.windows()))

    def wait_gone(self, pattern, timeout=20.0):
        wait_until(lambda: not self.shown(pattern), timeout, "no window named /%s/" % pattern)

    def xprop(self, wid, *props):
        return self._run(["xprop"] + (["-root"] if wid == "root" else ["-id", str(wid)]) + list(props),
                         check=False)

    def geometry(self, wid):
        """Where the window's own area is on the screen and its size, as the X server has it."""
        out = self._run(["xwininfo", "-id", str(wid)])
        values = dict(re.findall(r"^\s*(Absolute upper-left [XY]|Width|Height):\s*(-?\d+)", out, re.M))
        return tuple(int(values[k]) for k in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def stacking(self):
        """The managed windows, bottom to top."""
        return [int(w, 16) for w in re.findall(r"0x[0-9a-f]+", self.xprop("root", "_NET_CLIENT_LIST_STACKING"))]

    def activate(self, wid):
        self.xdotool("windowactivate", "--sync", wid)

    def key(self, *combos):
        self.xdotool("key", "--delay", 60, *combos)

    def type(self, text):
        self.xdotool("type", "--delay", 40, text)

    def point(self, x, y):
        """Moves the pointer there, as a hand does before it presses (--sync waits for ever for a
        move to where the pointer already is)."""
        if self.xdotool("getmouselocation").split()[:2] == ["x:%d" % x, "y:%d" % y]:
            self.xdotool("mousemove", "--sync", x + 3, y)  # arriving again: it takes a move to see
        self.xdotool("mousemove", "--sync", x, y)

    def click(self, x, y, button=1):
        self.point(x, y)
        self.xdotool("click", button)

    def click_until(self, x, y, shows="^menu$", wait=2.0, tries=4, gone=False, until=None):
        """Clicks at (x, y) until a window named `shows` is on screen (or, with `gone`, no longer
        is), by default a popup (a menu, a chooser's list), or until `until()` holds: a click can
        land before the window under it has seen the pointer arrive, and a person then clicks
        again."""
        for attempt in range(tries):
            self.click(x, y)
            try:
                if until:
                    return wait_until(until, wait, "what the click at (%d, %d) does" % (x, y))
                return self.wait_gone(shows, wait) if gone else self.find_window(shows, wait)
            except AssertionError:
                if attempt == tries - 1:
                    raise

    def close_button(self, wid):
        """Where the window manager draws the window's close button: the right end of its title
        bar, which is as tall as the frame's top edge."""
        x, y, width, _ = self.geometry(wid)
        top = int(re.findall(r"\d+", self.xprop(wid, "_NET_FRAME_EXTENTS"))[2])
        return x + width - top // 2, y - top // 2

    def click_in(self, wid, x, y):
        wx, wy, _, _ = self.geometry(wid)
        self.click(wx + x, wy + y)

    def grab(self, wid="root"):
        return subprocess.run(["import", "-window", str(wid), "rgb:-"], env=self.env,
                              capture_output=True).stdout

    def screenshot(self, name, wid="root"):
        """What a person sees: taken once no popup is open and two grabs 100 ms apart agree, as a
        menu just closed leaves its picture until the windows under it have repainted."""
        grabs = [None]
        try:
            self.wait_gone("^menu$", 5)
            wait_until(lambda: grabs.append(self.grab(wid)) or grabs[-1] == grabs[-2], 3, "a still screen")
        except AssertionError:
            pass  # a caret may blink for ever: take what is there
        self.shot_count += 1
        self._run(["import", "-window", str(wid),
                   os.path.join(self.shots_dir, "%02d-%s.png" % (self.shot_count, name))])

    def read_lines(self, wid="root", sharp=False):
        """The lines of text on screen, each a list of (word, box) with boxes in root coordinates.
        Sharp: in black and white, which reads a button lit under the pointer."""
        ox, oy = (0, 0) if wid == "root" else self.geometry(wid)[:2]
        with tempfile.TemporaryDirectory() as tmp:
            shot, big = os.path.join(tmp, "shot.png"), os.path.join(tmp, "big.png")
            self._run(["import", "-window", str(wid), shot])
            # Cut to what is drawn: tesseract loses most text on a screen that is largely empty.
            offset = self._run(["convert", shot, "-trim", "-print", "%X %Y", "+repage", "-colorspace",
                                "Gray", "-resize", "300%"] + (["-threshold", "50%"] if sharp else []) +
                               [big]).split()
            ox, oy = ox + int(offset[0]), oy + int(offset[1])
            tsv = self._run(["tesseract", big, "-", "--psm", "11", "tsv"], check=False)
        lines = {}
        for row in tsv.splitlines()[1:]:
            cols = row.split("\t")
            if len(cols) == 12 and cols[11].strip():
                left, top, width, height = (int(c) // 3 for c in cols[6:10])
                box = (ox + left, oy + top, ox + left + width, oy + top + height)
                word = cols[11].strip().strip("()[]{}|")  # a button's outline reads as brackets
                lines.setdefault(tuple(cols[1:5]), []).append((word, box))
        return list(lines.values())

    def read_text(self, wid="root"):
        return "\n".join(" ".join(w for w, _ in line) for line in self.read_lines(wid))

    def wait_for_text(self, pattern, wid="root", timeout=20.0):
        regex = re.compile(pattern)
        return wait_until(lambda: regex.search(self.read_text(wid)), timeout,
                          lambda: "/%s/ on screen, which reads:\n%s" % (pattern, self.read_text(wid)))

    def find_text(self, phrase, wid="root", nth=0):
        """Centre of the nth place (top to bottom) showing the phrase, whole lines first."""
        want = phrase.split()
        found = []
        lines = self.read_lines(wid)
        if not any(want == [w for w, _ in line][i:i + len(want)] for line in lines for i in range(len(line))):
            lines = self.read_lines(wid, sharp=True)
        for line in lines:
            words = [w for w, _ in line]
            for i in range(len(words) - len(want) + 1):
                if words[i:i + len(want)] == want:
                    boxes = [b for _, b in line[i:i + len(want)]]
                    x = (boxes[0][0] + boxes[-1][2]) // 2
                    y = (min(b[1] for b in boxes) + max(b[3] for b in boxes)) // 2
                    found.append((len(words) != len(want), y, x))
        found.sort()
        return found[nth][2:0:-1] if len(found) > nth else None

    def locate(self, phrase, wid="root", timeout=20.0, nth=0):
        """Where the phrase shows, once it does (see find_text)."""
        return wait_until(lambda: self.find_text(phrase, wid, nth), timeout, "'%s' on screen" % phrase)

    def click_text(self, phrase, wid="root", timeout=20.0, nth=0):
        """Clicks the words a person reads on screen."""
        self.click(*self.locate(phrase, wid, timeout, nth))
