"""Drives the real program under Xvfb: starts a private X display, runs the binary with
recording stand-ins for the system commands first on PATH, types and clicks with xdotool,
and takes screenshots.

    with Session(binary, tools, out) as s:
        main = s.wait_window("KAVELTO Time Reminder")
        s.click_control(main, TEXT1)       # twips rectangle of a control
        s.type("1")
        s.screenshot("started")

Standard library only; needs Xvfb and xdotool."""

import argparse
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import time

# The main window's client area is 5430 x 6375 twips; the menu bar sits above it.
TWIPS_PER_PIXEL = 15
MAIN_CLIENT_HEIGHT = 425
# Controls of the main window in twips (left, top, width, height): the countdown's ...
MINUTES = (600, 720, 615, 285)
COUNTDOWN_START = (360, 1200, 855, 255)
# ... and the alarm's.
HOUR = (2640, 2520, 375, 285)
MINUTE = (3240, 2520, 375, 285)
SECOND = (3840, 2520, 375, 285)
AM = (4440, 2520, 375, 315)
PM = (4800, 2520, 375, 315)
ALARM_START = (360, 3120, 855, 255)
# The Time Up window has no title: it is known by its size in pixels. Its OK picture in twips.
TIME_UP_SIZE = (492, 283)
TIME_UP_OK = (480, 3120, 960, 705)

# Stand-ins record their process number, name and arguments, one call a line, and succeed.
# Started one after the other without waiting, they may write in any order; the process
# numbers keep the order they were started in.
STANDIN = """#!/bin/sh
echo "$$ $(basename "$0") $*" >> "{log}"
"""
SYSTEM_COMMANDS = ("systemctl", "shutdown", "pkill")


def arguments():
    """The options every end-to-end test takes from ctest."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--binary", required=True, help="the program to run")
    parser.add_argument("--tools", required=True, help="folder holding screen-grab")
    parser.add_argument("--out", required=True, help="folder for screenshots")
    parser.add_argument("--lang", default="en_US.UTF-8", help="the program's LANG")
    return parser.parse_args()


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


class Session:
    def __init__(self, binary, tools, out, env=None, standins=SYSTEM_COMMANDS, size="1024x768"):
        self.binary = str(pathlib.Path(binary).resolve())
        self.tools = pathlib.Path(tools).resolve()
        self.out = pathlib.Path(out)
        self.out.mkdir(parents=True, exist_ok=True)
        self.extra_env = env or {}
        self.standin_names = standins
        self.size = size
        self.xvfb = None
        self.app = None
        self.home = None

    # -- lifetime -----------------------------------------------------------------------
    def __enter__(self):
        self.home = pathlib.Path(tempfile.mkdtemp(prefix="reminder-e2e-"))
        self.log = self.home / "commands.log"
        self.log.touch()
        bin_dir = self.home / "bin"
        bin_dir.mkdir()
        for name in self.standin_names:
            path = bin_dir / name
            path.write_text(STANDIN.format(log=self.log))
            path.chmod(0o755)
        self._start_display()
        self.env = dict(os.environ)
        self.env.update({
            "DISPLAY": self.display,
            "PATH": f"{bin_dir}:{os.environ.get('PATH', '/usr/bin:/bin')}",
            "HOME": str(self.home),
            "XDG_RUNTIME_DIR": str(self.home),
            "QT_QPA_PLATFORM": "xcb",
            "LANG": "en_US.UTF-8",
        })
        self.env.pop("LC_ALL", None)
        self.env.update(self.extra_env)
        self.started_at = time.monotonic()
        self.app = subprocess.Popen([self.binary], env=self.env, cwd=self.home)
        return self

    def __exit__(self, *exc):
        for proc in (self.app, self.xvfb):
            if proc and proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(5)
                except subprocess.TimeoutExpired:
                    proc.kill()
        shutil.rmtree(self.home, ignore_errors=True)
        return False

    def _start_display(self):
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", f"{self.size}x24", "-nolisten",
             "tcp", "-noreset"], pass_fds=(write,), stderr=subprocess.DEVNULL)
        os.close(write)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read, 16)
            check(chunk, "Xvfb did not start")
            number += chunk
        os.close(read)
        self.display = ":" + number.decode().strip()

    # -- the desktop --------------------------------------------------------------------
    def xdotool(self, *args, timeout=30):
        result = subprocess.run(["xdotool", *map(str, args)], env={**os.environ, "DISPLAY": self.display},
                                capture_output=True, text=True, timeout=timeout)
        return result.stdout.strip()

    def find_windows(self, title):
        """Visible windows whose whole title is `title`."""
        found = self.xdotool("search", "--onlyvisible", "--name", f"^{title}$")
        return [int(w) for w in found.split()] if found else []

    def time_up_windows(self):
        return [w for w in self.find_windows("") if self.geometry(w)[2:] == TIME_UP_SIZE]

    def wait_until(self, found, timeout, failure):
        """Polls `found()` until it gives something true, and returns that."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            result = found()
            if result:
                return result
            time.sleep(0.05)
        raise Failure(f"{failure} within {timeout} s")

    def wait_window(self, title, timeout=20.0):
        def window():
            check(self.app.poll() is None, f"the program ended while waiting for '{title}'")
            return self.find_windows(title)
        return self.wait_until(window, timeout, f"no window '{title}'")[0]

    def wait_gone(self, title, timeout=10.0):
        self.wait_until(lambda: not self.find_windows(title), timeout,
                        f"window '{title}' not gone")

    def geometry(self, window):
        values = dict(line.split("=") for line in
                      self.xdotool("getwindowgeometry", "--shell", window).splitlines())
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def client_origin(self, window, client_height=MAIN_CLIENT_HEIGHT):
        """Top-left of a window's client area: below its menu bar, if it has one."""
        x, y, _, height = self.geometry(window)
        return x, y + height - client_height

    def click(self, x, y):
        self.xdotool("mousemove", "--sync", x, y)
        self.xdotool("click", 1)

    def click_control(self, window, rect, client_height=MAIN_CLIENT_HEIGHT):
        """Clicks the middle of a control given by its twips rectangle (left, top, w, h)."""
        left, top, width, height = rect
        ox, oy = self.client_origin(window, client_height)
        self.click(ox + (left + width // 2) // TWIPS_PER_PIXEL,
                   oy + (top + height // 2) // TWIPS_PER_PIXEL)

    def type(self, text):
        self.xdotool("type", "--delay", 30, text)

    def key(self, *keys):
        self.xdotool("key", "--delay", 30, *keys)

    def menu(self, window, bar_index, *moves):
        """Opens the menu-bar menu at `bar_index` (0 = Control) and presses `moves`, which
        are xdotool key names such as Down, Right, Return."""
        x, y, _, _ = self.geometry(window)
        self.click(x + 12, y + 8)  # the first menu of the bar
        time.sleep(0.2)
        for _ in range(bar_index):
            self.key("Right")
        self.key(*moves)

    def screenshot(self, name):
        return self._grab(self.out / f"{name}.png")

    def _grab(self, path):
        subprocess.run([str(self.tools / "screen-grab"), str(path)],
                       env={**os.environ, "DISPLAY": self.display, "QT_QPA_PLATFORM": "xcb"},
                       check=True, timeout=30, capture_output=True)
        return path

    def text_pixels(self, window, area):
        """How many pixels of `area` (x, y, width, height in the main window's client area)
        differ from its first pixel, the background: the text drawn there."""
        data = self._grab(self.home / "screen.ppm").read_bytes()
        header = re.match(rb"P6\s+(\d+)\s+\d+\s+255\s", data)
        check(header, "screen-grab wrote no plain picture")
        width, pixels = int(header.group(1)), data[header.end():]
        ox, oy = self.client_origin(window)
        x, y, w, h = area

        def colour(row, col):
            at = (row * width + col) * 3
            return pixels[at:at + 3]
        background = colour(oy + y, ox + x)
        return sum(1 for row in range(oy + y, oy + y + h) for col in range(ox + x, ox + x + w)
                   if sum(abs(a - b) for a, b in zip(colour(row, col), background)) > 90)

    # -- the program --------------------------------------------------------------------
    def commands(self):
        """The system commands the program started, in order."""
        calls = [line.split(" ", 1) for line in self.log.read_text().splitlines() if line]
        return [call for _, call in sorted(calls, key=lambda c: int(c[0]))]

    def wait_exit(self, timeout=10.0):
        try:
            return self.app.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"the program still runs after {timeout} s")

    def running(self):
        return self.app.poll() is None


# -- the program's own steps --------------------------------------------------------------
def ok_box(s, title):
    s.key("Return")
    s.wait_gone(title)


def answer_auto_shutdown(s, yes):
    """Answers "Turn on Auto Shutdown ?" from the keyboard; Yes also OKs the notice."""
    s.wait_window("Exit")
    s.key("Return" if yes else "Escape")  # Yes is the default button
    s.wait_gone("Exit")
    if yes:
        s.wait_window("Information")
        ok_box(s, "Information")


def start_countdown(s, main, minutes, auto_shutdown):
    """Types the minutes, presses Start and answers; returns when the countdown began."""
    s.click_control(main, MINUTES)
    s.type(minutes)
    s.click_control(main, COUNTDOWN_START)
    answer_auto_shutdown(s, auto_shutdown)
    return time.time()


def arm_alarm(s, main, at, twelve_hour=True):
    """Types the time `at` (a time.struct_time) into the alarm's entry, picks AM or PM on a
    12-hour clock, presses Start and answers No to auto shutdown."""
    hour = (at.tm_hour % 12 or 12) if twelve_hour else at.tm_hour
    for field, value in ((HOUR, f"{hour}"), (MINUTE, f"{at.tm_min:02d}"),
                         (SECOND, f"{at.tm_sec:02d}")):
        s.click_control(main, field)
        s.type(value)
    if twelve_hour:
        s.click_control(main, AM if at.tm_hour < 12 else PM)
    s.click_control(main, ALARM_START)
    answer_auto_shutdown(s, yes=False)


def wait_time_up(s, timeout):
    """Waits for the "Time Up" message box and the Time Up window behind it; returns the
    moment the box was seen (time.time())."""
    s.wait_window("Stop", timeout=timeout)
    seen = time.time()
    check(s.time_up_windows(), "the message box came without the Time Up window")
    return seen


def put_time_up_away(s):
    """Clicks the Time Up window's OK picture (after the "Time Up" box is closed)."""
    s.click_control(s.time_up_windows()[0], TIME_UP_OK, TIME_UP_SIZE[1])
    s.wait_until(lambda: not s.time_up_windows(), 5, "the Time Up window is not put away")


def report(checks):
    """Runs `checks()` and turns a failure into a message and exit status 1."""
    try:
        checks()
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        sys.exit(1)
    print("passed")


def run(test):
    """Runs `test(args)` with the end-to-end tests' arguments, reporting as `report` does."""
    args = arguments()
    report(lambda: test(args))
