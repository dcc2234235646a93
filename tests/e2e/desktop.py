"""A private X desktop for driving the editor as a person would: an Xvfb server of its own,
keys and clicks through xdotool, screenshots, and OCR (tesseract) to read what the windows show."""

import ctypes
import ctypes.util
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
    def __init__(self, shots_dir, size="1280x1024x24"):
        self.shots_dir = shots_dir
        os.makedirs(shots_dir, exist_ok=True)
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", size, "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        # One OCR thread: tesseract's thread pool crawls on a loaded machine.
        self.env = dict(os.environ, DISPLAY=":" + number, OMP_THREAD_LIMIT="1")
        # No window manager: under openbox every click re-activates the window (JUCE asks for it),
        # and openbox then raises it over the popup menu that same click just opened. Without
        # one, JUCE only needs the window-manager atoms it looks up rather than creates.
        x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XInternAtom.argtypes = (ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int)
        self.display = x11.XOpenDisplay((":" + number).encode())  # held: atoms live while it does
        for atom in ("WM_PROTOCOLS", "WM_TAKE_FOCUS", "WM_DELETE_WINDOW", "_NET_WM_PING",
                     "WM_CHANGE_STATE", "WM_STATE", "_NET_WM_WINDOW_TYPE", "_NET_WM_STATE",
                     "_NET_WM_STATE_HIDDEN"):
            x11.XInternAtom(self.display, atom.encode(), 0)
        x11.XSync(ctypes.c_void_p(self.display), 0)
        self.shot_count = 0

    def close(self):
        self.xvfb.kill()
        self.xvfb.wait()

    def _run(self, args, check=True):
        result = subprocess.run(args, env=self.env, capture_output=True, text=True)
        if check and result.returncode != 0:
            raise RuntimeError(" ".join(args) + ": " + result.stderr)
        return result.stdout

    def xdotool(self, *args, check=True):
        return self._run(["xdotool"] + [str(a) for a in args], check)

    def windows(self):
        """(id, title) of every shown window that has a title."""
        ids = self.xdotool("search", "--onlyvisible", "--name", ".", check=False).split()
        return [(w, n) for w in ids for n in [self.xdotool("getwindowname", w, check=False).strip()] if n]

    def find_window(self, pattern, timeout=20.0):
        regex = re.compile(pattern)
        return wait_until(lambda: next((w for w, n in self.windows() if regex.search(n)), None),
                          timeout, lambda: "a window named /%s/ (have %s)" % (pattern, self.windows()))

    def wait_gone(self, pattern, timeout=20.0):
        regex = re.compile(pattern)
        wait_until(lambda: not any(regex.search(n) for _, n in self.windows()), timeout,
                   "no window named /%s/" % pattern)

    def geometry(self, wid):
        out = self.xdotool("getwindowgeometry", "--shell", wid)
        values = dict(line.split("=") for line in out.split())
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def activate(self, wid):
        self.xdotool("windowraise", wid)
        self.xdotool("windowfocus", "--sync", wid)

    def key(self, *combos):
        self.xdotool("key", "--delay", 60, *combos)

    def type(self, text):
        self.xdotool("type", "--delay", 40, text)

    def click(self, x, y, button=1):
        self.xdotool("mousemove", "--sync", x, y)
        self.xdotool("click", button)

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

    def read_lines(self, wid="root"):
        """The lines of text on screen, each a list of (word, box) with boxes in root coordinates."""
        ox, oy = (0, 0) if wid == "root" else self.geometry(wid)[:2]
        with tempfile.TemporaryDirectory() as tmp:
            shot, big = os.path.join(tmp, "shot.png"), os.path.join(tmp, "big.png")
            self._run(["import", "-window", str(wid), shot])
            # Cut to what is drawn: tesseract loses most text on a screen that is largely empty.
            offset = self._run(["convert", shot, "-trim", "-print", "%X %Y", "+repage", "-colorspace",
                                "Gray", "-resize", "300%", big]).split()
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
        for line in self.read_lines(wid):
            words = [w for w, _ in line]
            for i in range(len(words) - len(want) + 1):
                if words[i:i + len(want)] == want:
                    boxes = [b for _, b in line[i:i + len(want)]]
                    x = (boxes[0][0] + boxes[-1][2]) // 2
                    y = (min(b[1] for b in boxes) + max(b[3] for b in boxes)) // 2
                    found.append((len(words) != len(want), y, x))
        found.sort()
        return found[nth][2:0:-1] if len(found) > nth else None

    def click_text(self, phrase, wid="root", timeout=20.0, nth=0):
        """Clicks the words a person reads on screen."""
        x, y = wait_until(lambda: self.find_text(phrase, wid, nth), timeout,
                          "'%s' on screen" % phrase)
        self.click(x, y)


    def start(self, executable, args, state_file):
        """The editor as a user starts it, the device stood in for by the emulator."""
        env = dict(self.env, QRX571_EMULATOR="1", QRX571_EMULATOR_STATE=state_file)
        return subprocess.Popen([executable] + list(args), env=env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
