"""Drives the real program under a private Xvfb: finds its windows and controls the way a
screen reader sees them, through the accessibility bus (AT-SPI: role, accessible name, text,
states), and acts with real input where they are on screen (xdotool clicks and keys). The
system commands it may start are recording stand-ins first on PATH.

    with e2e.Session(args.binary, args.tools, args.out) as s:
        main = s.window("KAVELTO Time Reminder")
        minutes = s.find(main, "text", "Insert Minute")
        s.click(minutes)
        s.type("1")
        s.click(s.find(main, "push button", "Start"))
        s.answer("Exit", "Turn on Auto Shutdown ?", "No")
        s.screenshot("started")

Run under dbus-run-session with Debian's python3 (python3-pyatspi): Qt finds the
accessibility bus through the session bus, which starts it (at-spi2-core) on first use. With
accessible=False (the benchmark, whose figures the bridge would change) the program is
driven by X alone and the bindings are not needed."""

import argparse
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import time

try:
    import pyatspi
except ImportError:  # another interpreter, driving without the accessibility bus
    pyatspi = None

APP = "KAVELTO Time Reminder"
PROBE = "window manager probe"  # wait_window_manager's window
WINDOW_ROLES = ("frame", "dialog", "alert", "window")
STATES = ("enabled", "visible", "showing", "focused", "checked", "editable", "focusable",
          "selected")

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


def end(proc):
    """Ends a helper process: asked first, killed if it has not gone after 5 s (a window
    manager may take its time over its settings on the way out)."""
    if proc is None or proc.poll() is not None:
        return
    proc.terminate()
    try:
        proc.wait(5)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()


def start_service(argv, ready, what):
    """Starts a stand-in service that touches the file `ready` once it is on its bus."""
    service = subprocess.Popen(argv)
    deadline = time.monotonic() + 20
    while not pathlib.Path(ready).exists():
        if service.poll() is not None or time.monotonic() > deadline:
            end(service)
            raise RuntimeError(f"{what} did not come up")
        time.sleep(0.05)
    return service


def check(condition, message):
    if not condition:
        raise Failure(message)


def states(acc):
    """The names of the states an accessible is in: enabled, showing, focused, checked..."""
    state = acc.getState()
    return {name for name in STATES if state.contains(getattr(pyatspi, "STATE_" + name.upper()))}


def text(acc):
    return acc.queryText().getText(0, -1)


def describe(acc):
    try:
        return f"{acc.getRoleName()} '{acc.name}'"
    except Exception:  # it went from the bus meanwhile
        return "a control no longer there"


def box(acc):
    """Where an accessible is on screen: x, y, width, height in pixels."""
    extents = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return extents.x, extents.y, extents.width, extents.height


class Session:
    def __init__(self, binary, tools, out, env=None, standins=SYSTEM_COMMANDS, size="1024x768",
                 accessible=True):
        self.binary = str(pathlib.Path(binary).resolve())
        self.tools = pathlib.Path(tools).resolve()
        self.out = pathlib.Path(out)
        self.out.mkdir(parents=True, exist_ok=True)
        self.extra_env = {**({"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"} if accessible else {}),
                          **(env or {})}
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
        # The machine's own system bus (logind) is never reached; a test may bring its own.
        self.env["DBUS_SYSTEM_BUS_ADDRESS"] = "unix:path=/nonexistent"
        self.env.update(self.extra_env)
        self.started_at = time.monotonic()
        self.app = subprocess.Popen([self.binary], env=self.env, cwd=self.home)
        return self

    def __exit__(self, *exc):
        for proc in (self.app, self.xvfb):
            end(proc)
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

    # -- waiting ------------------------------------------------------------------------
    def wait(self, condition, what, timeout=10.0, while_running=True):
        """Polls `condition` until it returns something true, and returns that; fails if the
        program ends first (`while_running`). The timeout only stops a test that hangs:
        every wait is for an event."""
        deadline = time.monotonic() + timeout
        while True:
            check(self.running() or not while_running,
                  f"the program ended while waiting for {what}")
            try:
                found = condition()
            except Exception:  # an accessible that went away while being looked at
                found = None
            if found:
                return found
            if time.monotonic() > deadline:
                raise Failure(f"no {what} within {timeout} s")
            time.sleep(0.05)

    # -- the X server -------------------------------------------------------------------
    def xdotool(self, *args, timeout=30):
        result = subprocess.run(["xdotool", *map(str, args)],
                                env={**os.environ, "DISPLAY": self.display},
                                capture_output=True, text=True, timeout=timeout)
        return result.stdout.strip()

    def find_windows(self, title):
        """Visible X windows whose whole title is `title`."""
        found = self.xdotool("search", "--onlyvisible", "--name", f"^{title}$")
        return [int(w) for w in found.split()] if found else []

    def wait_window(self, title, timeout=20.0):
        """The X window of that title, once it is mapped."""
        return self.wait(lambda: self.find_windows(title), f"window '{title}'", timeout)[0]

    def wait_window_manager(self, what, timeout=60.0):
        """Until the display's window manager shows a new window: a probe it must map.
        Announcing itself is not enough: openbox drops a window mapped while it is still
        starting, and that window never shows. A lost probe is tried again."""
        deadline = time.monotonic() + timeout
        while True:
            probe = subprocess.Popen(["xev", "-name", PROBE, "-event", "structure"],
                                     env={**os.environ, "DISPLAY": self.display},
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            try:
                self.wait(lambda: self.find_windows(PROBE), what, timeout=5, while_running=False)
                return
            except Failure:
                if time.monotonic() > deadline:
                    raise
            finally:
                end(probe)

    def wait_gone(self, title, timeout=10.0):
        self.wait(lambda: not self.find_windows(title), f"window '{title}' gone", timeout)

    def geometry(self, window):
        values = dict(line.split("=") for line in
                      self.xdotool("getwindowgeometry", "--shell", window).splitlines())
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def click_at(self, x, y):
        self.xdotool("mousemove", "--sync", x, y)
        self.xdotool("click", 1)

    def type(self, text):
        self.xdotool("type", "--delay", 30, text)

    def key(self, *keys):
        self.xdotool("key", "--delay", 30, *keys)

    def activate(self, title):
        """Gives the keyboard to the window of that title: with no window manager a closed
        message box leaves it to no one."""
        self.xdotool("windowfocus", "--sync", self.wait_window(title))

    def keys_to(self, title, *keys):
        self.activate(title)
        self.key(*keys)

    def screenshot(self, name):
        return self._grab(self.out / f"{name}.png")

    def _grab(self, path):
        subprocess.run([str(self.tools / "screen-grab"), str(path)],
                       env={**os.environ, "DISPLAY": self.display, "QT_QPA_PLATFORM": "xcb"},
                       check=True, timeout=30, capture_output=True)
        return path

    def pixels(self, area):
        """The RGB bytes of `area` (x, y, width, height on screen) as the screen shows it now,
        row after row."""
        data = self._grab(self.home / "screen.ppm").read_bytes()
        header = re.match(rb"P6\s+(\d+)\s+\d+\s+255\s", data)
        check(header, "screen-grab wrote no plain picture")
        width, screen = int(header.group(1)), data[header.end():]
        x, y, w, h = area
        rows = ((y + row) * width + x for row in range(h))
        return b"".join(screen[start * 3:(start + w) * 3] for start in rows)

    def ink(self, area):
        """How many pixels of `area` (x, y, width, height on screen) differ from its first
        pixel, the background: the text drawn there."""
        pixels = self.pixels(area)
        background = pixels[:3]
        return sum(1 for at in range(0, len(pixels), 3)
                   if sum(abs(a - b) for a, b in zip(pixels[at:at + 3], background)) > 90)

    # -- finding, through the accessibility bus -----------------------------------------
    def program(self):
        def registered():
            desktop = pyatspi.Registry.getDesktop(0)
            return next((a for a in desktop if a is not None and a.name == APP), None)
        return self.wait(registered, "program on the accessibility bus", timeout=20)

    def windows(self, name):
        """The program's windows of that name that are on screen."""
        return [w for w in self.program() if w is not None and w.getRoleName() in WINDOW_ROLES
                and w.name == name and "showing" in states(w)]

    def window(self, name, holding=None, timeout=10.0):
        """The window `name` on screen; with `holding` (role, name), the one that holds it."""
        def found():
            for w in self.windows(name):
                if holding is None or self.find_all(w, *holding):
                    return w
            return None
        return self.wait(found, f"window '{name}'", timeout)

    def gone(self, window, timeout=10.0):
        def away():
            try:
                return "showing" not in states(window)
            except Exception:  # destroyed, not only hidden
                return True
        self.wait(away, f"{describe(window)} put away", timeout)

    def find_all(self, root, role, name=None):
        """Every control of that role (and accessible name, if given) under `root`."""
        found = []

        def walk(acc):
            for child in acc:
                if child is None:
                    continue
                if child.getRoleName() == role and name in (None, child.name):
                    found.append(child)
                walk(child)
        walk(root)
        return found

    def find(self, root, role, name, nth=0):
        """The `nth` control of that role and accessible name under `root`, in tree order."""
        found = self.find_all(root, role, name)
        check(len(found) > nth, f"no {role} '{name}' (#{nth}) in {describe(root)}")
        return found[nth]

    # -- acting, with real input --------------------------------------------------------
    def click(self, acc):
        """Clicks the middle of a control where the accessibility bus says it is."""
        self.wait(lambda: "showing" in states(acc), f"{describe(acc)} on screen")
        x, y, width, height = box(acc)
        self.click_at(x + width // 2, y + height // 2)

    def focus(self, acc, tries=3):
        """Clicks a control until it has the keyboard focus, where keys go: the window manager
        hands the focus over in its own time, and a click lands on a window still above."""
        for _ in range(tries - 1):
            self.click(acc)
            try:
                return self.expect_states(acc, present={"focused"}, timeout=2.0)
            except Failure:
                pass
        self.click(acc)
        self.expect_states(acc, present={"focused"})

    def choose(self, root, *path):
        """Clicks through the menus: the menu-bar item, then each item under the last."""
        item = root
        for name in path:
            item = self.wait(lambda: self.find_all(item, "menu item", name),
                             f"menu item '{name}'")[0]
            self.click(item)

    def answer(self, title, prompt, button):
        """Waits for the message box `title`, checks its prompt and clicks `button`."""
        box_window = self.window(title, holding=("label", prompt))
        self.click(self.find(box_window, "push button", button))
        self.gone(box_window)

    # -- checking -----------------------------------------------------------------------
    def expect_states(self, acc, present=(), absent=(), timeout=5.0):
        """Waits until the accessible is in every state of `present` and none of `absent`."""
        def holds():
            now = states(acc)
            return set(present) <= now and not set(absent) & now
        self.wait(holds, f"{describe(acc)} with {sorted(present)} and without {sorted(absent)}"
                         f" (it is {sorted(states(acc))})", timeout)

    def expect_text(self, acc, expected, timeout=5.0):
        self.wait(lambda: text(acc) == expected,
                  f"{describe(acc)} reading '{expected}' (it reads '{text(acc)}')", timeout)

    def expect_name(self, acc, expected, timeout=5.0):
        self.wait(lambda: acc.name == expected, f"{describe(acc)} named '{expected}'", timeout)

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
        """Whether the program runs, or is still to be started (helpers come up first)."""
        return self.app is None or self.app.poll() is None


# -- the program's own steps --------------------------------------------------------------
DAY = 24 * 60 * 60
CLOCK_TEXT = re.compile(r"(\d{1,2})\D(\d{2})\D(\d{2})(?: ([AP]M))?")


def clock(s, main):
    """The main window's clock ("Now :"), the label that reads a time of day."""
    return s.wait(lambda: [label for label in s.find_all(main, "label")
                           if CLOCK_TEXT.fullmatch(label.name)], "the clock")[0]


def seconds_of_day(clock_text):
    """The second of the day a clock text names, in 12- or 24-hour form."""
    hour, minute, second, half = CLOCK_TEXT.fullmatch(clock_text).groups()
    hour = int(hour)
    if half:
        hour = hour % 12 + (12 if half == "PM" else 0)
    return (hour * 60 + int(minute)) * 60 + int(second)


def alarm_entry(s, main):
    """The alarm's hour, minute and second fields, its AM and PM choices and its Start."""
    fields = [s.find(main, "text", name) for name in ("Hour", "Minute", "Second")]
    return (fields, s.find(main, "radio button", "AM"), s.find(main, "radio button", "PM"),
            s.find_all(main, "push button", "Start")[1])


def arm_alarm(s, main, twelve_hour=True, lead=6):
    """Types a time `lead` seconds ahead of the program's clock into the alarm's entry,
    picks AM or PM on a 12-hour clock, presses Start and answers No to auto shutdown;
    returns the second of the day it is armed for. On a machine too slow to have it armed
    in time, types a time further ahead."""
    fields, am, pm, start = alarm_entry(s, main)
    now = clock(s, main)
    while True:
        target = (seconds_of_day(now.name) + lead) % DAY
        hour, minute, second = target // 3600, target // 60 % 60, target % 60
        values = ((hour % 12 or 12) if twelve_hour else hour, minute, second)
        for field, value in zip(fields, values):
            s.focus(field)
            s.key("ctrl+a")
            s.type(f"{value:02d}")
            s.expect_text(field, f"{value:02d}")
        if twelve_hour:
            choice = am if hour < 12 else pm
            s.expect_states(choice, present={"enabled"})
            s.click(choice)
            s.expect_states(choice, present={"checked"})
        if (target - seconds_of_day(now.name)) % DAY > 2:
            break
        lead *= 2
    s.expect_states(start, present={"enabled"})
    s.click(start)
    s.answer("Exit", "Turn on Auto Shutdown ?", "No")
    return target


def exit_question(s):
    """F4 to the main window: the question whether to exit, once it is up."""
    s.keys_to(APP, "F4")
    return s.window("Exit", holding=("label", "Are You sure to exit?"))


def wait_time_up(s, timeout):
    """The "Time Up" box and the Time Up window behind it, once both are up."""
    notice = s.window("Stop", holding=("label", "Time Up"), timeout=timeout)
    return notice, s.window("frmSplash")


def put_time_up_away(s, splash):
    """Clicks the Time Up window's OK picture (after the "Time Up" box is closed)."""
    s.click(s.find(splash, "image", "OK"))
    s.gone(splash)


def follow_countdown(s, counter, until, timeout=80.0):
    """The values the seconds counter shows, each once in the order seen, until `until()`;
    checks that it ran down from the top of its minute to its last seconds without going
    back up, apart from the reset to 60 at the end of the minute."""
    seen = []

    def done():
        if until():
            return True
        value = text(counter)
        if value and (not seen or seen[-1] != value):
            seen.append(value)
        return False
    s.wait(done, "the countdown's end", timeout, while_running=False)
    numbers = [int(value) for value in seen]
    lowest = numbers.index(min(numbers))
    running = numbers[:lowest + 1]
    check(running[0] >= 55 and running[-1] <= 5
          and all(a > b for a, b in zip(running, running[1:]))
          and all(n in (0, 60) for n in numbers[lowest + 1:]),
          f"the seconds counter did not run down its minute: {seen}")
    return seen


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
