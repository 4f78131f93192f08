"""The real Windows program under Wine on a virtual display, driven by real input (xdotool) and
read from another process by the probe (probe.exe). One Wine prefix serves a whole run."""

import os
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
WINE_ENV = HERE.parent / "wine" / "wine_env.sh"
PROGRAM = "KAVELTO Time Reminder.exe"


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_until(found, timeout, failure):
    """Polls `found` until it gives something true; the timeout only bounds a failure."""
    deadline = time.monotonic() + timeout
    while True:
        value = found()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(failure)
        time.sleep(0.1)


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


class Wine:
    """A prefix with the program, the stand-ins and the probe, and an X display."""

    def __init__(self, build, out, screen_grab, dpi=96):
        self.build = Path(build)
        self.dpi = dpi
        self.screen_grab = Path(screen_grab)
        self.out = Path(out)
        self.out.mkdir(parents=True, exist_ok=True)
        self.work = Path(tempfile.mkdtemp(prefix="wine-e2e-"))
        self.prefix = self.work / "prefix"
        bin_dir = self.build / "bin"
        stand_in = bin_dir / "stand_in.exe"
        subprocess.run(["bash", str(WINE_ENV), "create", str(self.prefix), str(stand_in)],
                       check=True)
        if dpi != 96:
            subprocess.run(["bash", str(WINE_ENV), "run", str(self.prefix), "reg", "add",
                            "HKCU\\Control Panel\\Desktop", "/v", "LogPixels", "/t", "REG_DWORD",
                            "/d", str(dpi), "/f"], check=True, stdout=subprocess.DEVNULL)
        # The system commands are the prefix's stand-ins in its system folder; the program's
        # own folder holds a stand-in as the program to pick.
        self.app = self.prefix / "drive_c" / "app"
        self.app.mkdir()
        shutil.copy(bin_dir / PROGRAM, self.app / PROGRAM)
        shutil.copy(stand_in, self.app / "picked.exe")
        self.probe_exe = self.prefix / "drive_c" / "probe.exe"
        shutil.copy(bin_dir / "probe.exe", self.probe_exe)
        self.locales = self.work / "locales"
        self.locales.mkdir()
        for name in ("en_US", "de_DE"):
            subprocess.run(["localedef", "-i", name, "-f", "UTF-8",
                            str(self.locales / f"{name}.UTF-8")], check=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.display = self._start_display()
        self.env = dict(os.environ, DISPLAY=self.display, LOCPATH=str(self.locales))
        self.probe = subprocess.Popen(
            ["bash", str(WINE_ENV), "run", str(self.prefix), str(self.probe_exe)],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, env=self.env)

    def _start_display(self):
        """An X server on a display it picks itself, so that runs side by side never meet."""
        read, write = os.pipe()
        # A screen of 1024 x 768 at 96 dpi, as large in inches at any other.
        self.screen = (1024 * self.dpi // 96, 768 * self.dpi // 96)
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0",
             f"{self.screen[0]}x{self.screen[1]}x24", "-nolisten", "tcp"],
            pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as chosen:
            number = chosen.readline().strip()
        check(number.isdigit(), "Xvfb did not start")
        return f":{number}"

    def close(self):
        self.probe.stdin.close()
        self.probe.wait(timeout=20)
        subprocess.run(["bash", str(WINE_ENV), "stop", str(self.prefix)], check=False)
        self.xvfb.terminate()
        self.xvfb.wait()
        shutil.rmtree(self.work, ignore_errors=True)

    def run(self, *command):
        """Runs a Windows program in the prefix to its end and returns its output, through a
        file: Wine's background processes, which it may start, would hold a pipe open."""
        with tempfile.TemporaryFile("w+") as output:
            subprocess.run(["bash", str(WINE_ENV), "run", str(self.prefix), *command],
                           env=self.env, stdout=output, timeout=60)
            output.seek(0)
            return output.read()

    def ask(self, *words):
        self.probe.stdin.write(" ".join(w.replace(" ", "_") for w in words) + "\n")
        self.probe.stdin.flush()
        return self.probe.stdout.readline().rstrip("\n")

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], check=True, env=self.env, timeout=30)

    def screenshot(self, name, window=None):
        target = self.out / f"{name}.png"
        area = [str(v) for v in window] if window else []
        subprocess.run([str(self.screen_grab), str(target), *area], check=True, env=self.env,
                       timeout=30)
        return target


class Program:
    """One run of the program in the shared prefix, with its own recording of commands."""

    def __init__(self, wine, name, lang="en_US.UTF-8", program=None, **stand_in):
        """`stand_in`: settings of the recording stand-ins it starts, such as
        REMINDER_EXIT_CODE="1"."""
        self.wine = wine
        self.record = wine.work / f"{name}.log"
        self.record.unlink(missing_ok=True)
        env = dict(wine.env, LANG=lang, LC_ALL=lang, REMINDER_RECORD=windows_path(self.record),
                   **stand_in)
        self.process = subprocess.Popen(
            ["bash", str(WINE_ENV), "run", str(wine.prefix), program or "C:\\app\\" + PROGRAM],
            cwd=wine.app, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.wait_window("Form1")
        # Keys reach a window of Wine's only after it was clicked once.
        self.click_window("Form1", 200, 10)

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    # Reading.
    def window(self, form):
        answer = self.wine.ask("window", form).split()
        if answer == ["none"] or answer[0] != "1":
            return None
        return tuple(int(v) for v in answer[1:])

    def control(self, form, name):
        answer = self.wine.ask("find", form, name).split()
        check(answer != ["none"], f"{form}.{name} not found")
        visible, enabled, *rect = (int(v) for v in answer)
        return visible == 1, enabled == 1, tuple(rect)

    def text(self, form, name):
        return self.wine.ask("text", form, name)

    def ticked(self, form, name):
        return self.wine.ask("check", form, name) == "1"

    def objects(self, form="Form1"):
        return int(self.wine.ask("objects", form))

    def box(self, title):
        answer = self.wine.ask("box", title)
        return None if answer == "none" else answer

    def commands(self):
        """The recorded command lines in the order they were started: stand-ins started
        without waiting may write in any order, so each line begins with its creation time."""
        if not self.record.exists():
            return []
        stamped = [line.strip().split(" ", 1) for line in self.record.read_text().splitlines()
                   if line.strip()]
        return [command for _, command in sorted(stamped, key=lambda pair: pair[0])]

    # Waiting.
    def wait_window(self, form, timeout=30):
        return wait_until(lambda: self.window(form), timeout, f"{form} was not shown")

    def wait_hidden(self, form, timeout=10):
        wait_until(lambda: self.window(form) is None, timeout, f"{form} did not go")

    def wait_box(self, title, timeout=20):
        return wait_until(lambda: self.box(title), timeout, f'no "{title}" box came')

    def wait_exit(self, timeout=20):
        wait_until(lambda: self.process.poll() is not None, timeout, "the program did not end")

    def wait_text(self, form, name, text, timeout=10):
        wait_until(lambda: self.text(form, name) == text, timeout,
                   f'{form}.{name} reads "{self.text(form, name)}", not "{text}"')

    # Acting, as a user does.
    def click_at(self, x, y):
        self.wine.xdotool("mousemove", str(x), str(y), "click", "1")

    def click_window(self, form, dx, dy):
        x, y, _, _ = self.wait_window(form)
        self.click_at(x + dx, y + dy)

    def click(self, form, name):
        visible, _, (x, y, w, h) = self.control(form, name)
        check(visible, f"{form}.{name} is hidden")
        self.click_at(x + w // 2, y + h // 2)

    def answer(self, title, button):
        self.wait_box(title)
        rect = self.wine.ask("button", title, button).split()
        check(rect != ["none"], f'the "{title}" box has no {button} button')
        x, y, w, h = (int(v) for v in rect)
        self.click_at(x + w // 2, y + h // 2)
        wait_until(lambda: self.box(title) is None, 10, f'the "{title}" box stayed')

    def type(self, text):
        self.wine.xdotool("type", "--delay", "50", text)

    def key(self, *keys):
        self.wine.xdotool("key", "--delay", "100", *keys)


def run(scenarios, build, out, screen_grab, dpi=96):
    """Runs each scenario(wine) in one prefix at `dpi`; prints a line for each and the
    totals."""
    wine = Wine(build, out, screen_grab, dpi)
    passed = failed = 0
    try:
        for scenario in scenarios:
            try:
                scenario(wine)
                passed += 1
                print(f"PASS {scenario.__name__}", flush=True)
            except Failure as failure:
                failed += 1
                print(f"FAIL {scenario.__name__}: {failure}", flush=True)
                wine.screenshot(f"failed-{scenario.__name__}")
    finally:
        wine.close()
    print(f"{passed} passed, {failed} failed")
    return 0 if failed == 0 else 1
