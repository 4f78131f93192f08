"""Auto shutdown through logind, a fake one on a private system bus: a one-minute countdown
with auto shutdown on asks it to power off. "yes": the program ends. "error": the failure
box, then the Time Up notice, and the program lives on; the warning came at Start, since
the fake says "challenge" to CanPowerOff. "slow": the clock goes on while the answer is
awaited, then the program ends.

    shutdown_test.py --binary B --tools T --out O --answer yes|error|slow"""

import argparse
import pathlib
import re
import subprocess
import tempfile
import time

import e2e
from fake_logind import FakeLogind

MAIN = "KAVELTO Time Reminder"
MAIN_CLIENT_HEIGHT = 425  # pixels; the menu bar sits above
MINUTES_FIELD = (60, 57)  # the middle of the minutes field, in the client area
CLOCK = (40, 176, 110, 15)  # the clock label's area in the client area
TIME_UP_SIZE = (492, 283)


def arguments():
    parser = argparse.ArgumentParser()
    for option in ("--binary", "--tools", "--out"):
        parser.add_argument(option, required=True)
    parser.add_argument("--answer", choices=("yes", "error", "slow"), required=True)
    return parser.parse_args()


def until(found, timeout, failure):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = found()
        if result:
            return result
        time.sleep(0.05)
    raise e2e.Failure(f"{failure} within {timeout} s")


def window(s, title, timeout=20):
    def shown():
        e2e.check(s.running(), f"the program ended while waiting for '{title}'")
        return s.find_windows(title)
    return until(shown, timeout, f"no window '{title}'")[0]


def gone(s, title):
    until(lambda: not s.find_windows(title), 10, f"'{title}' still open")


def ok(s, title):
    window(s, title)
    s.key("Return")
    gone(s, title)


def time_up_window(s):
    return [w for w in s.find_windows("") if s.geometry(w)[2:] == TIME_UP_SIZE]


def clock_pixels(s, tools, main, path):
    """The clock label's pixels, as the screen shows them now."""
    subprocess.run([f"{tools}/screen-grab", str(path)], env={**s.env, "QT_QPA_PLATFORM": "xcb"},
                   check=True, timeout=30, capture_output=True)
    data = path.read_bytes()
    header = re.match(rb"P6\s+(\d+)\s+\d+\s+255\s", data)
    e2e.check(header, "screen-grab wrote no plain picture")
    width, pixels = int(header.group(1)), data[header.end():]
    x, y, _, height = s.geometry(main)
    left, top = x + CLOCK[0], y + height - MAIN_CLIENT_HEIGHT + CLOCK[1]
    rows = ((top + row) * width + left for row in range(CLOCK[3]))
    return b"".join(pixels[start * 3:(start + CLOCK[2]) * 3] for start in rows)


def start_countdown(s, main, warned):
    """One minute, auto shutdown on, from the keyboard: Tab goes from the field to Start."""
    x, y, _, height = s.geometry(main)
    s.xdotool("mousemove", "--sync", x + MINUTES_FIELD[0],
              y + height - MAIN_CLIENT_HEIGHT + MINUTES_FIELD[1])
    s.xdotool("click", 1)
    s.type("1")
    s.key("Tab", "space")
    ok(s, "Exit")  # "Turn on Auto Shutdown ?": Yes is the default
    ok(s, "Information")
    if warned:
        window(s, "Auto Shutdown")
        s.screenshot("warning")
        ok(s, "Auto Shutdown")
    e2e.check(not s.find_windows("Auto Shutdown"), "a warning where power-off is allowed")


def test(args):
    can_power_off = "challenge" if args.answer == "error" else "yes"
    with tempfile.TemporaryDirectory(prefix="reminder-logind-") as folder, \
            FakeLogind(folder, args.answer, can_power_off) as logind, \
            e2e.Session(args.binary, args.tools, args.out,
                        env={"DBUS_SYSTEM_BUS_ADDRESS": logind.address}) as s:
        main = window(s, MAIN)
        start_countdown(s, main, warned=args.answer == "error")
        e2e.check(logind.calls() == ["CanPowerOff"], f"logind was asked: {logind.calls()}")

        def asked():
            return "PowerOff false" in logind.calls()

        if args.answer == "yes":
            status = s.wait_exit(timeout=80)
            e2e.check(status == 0, f"the program ended with status {status}")
        elif args.answer == "error":
            window(s, "Stop", timeout=80)
            e2e.check(asked(), "the failure box came before logind was asked")
            e2e.check(not time_up_window(s), "the Time Up window came before the failure box")
            s.screenshot("failed")
            s.key("Return")
            until(lambda: time_up_window(s) and s.find_windows("Stop"), 10, "no Time Up notice")
            s.screenshot("time-up")
            s.key("Return")
            gone(s, "Stop")
            e2e.check(s.running(), "the program ended after a refusal")
        else:
            until(asked, 80, "logind was not asked")
            grab = pathlib.Path(folder) / "screen.ppm"
            before = clock_pixels(s, args.tools, main, grab)
            until(lambda: clock_pixels(s, args.tools, main, grab) != before or not s.running(),
                  4, "the clock stood still")
            e2e.check(s.running(), "the program ended before logind answered")
            s.screenshot("awaiting")
            status = s.wait_exit(timeout=15)
            e2e.check(status == 0, f"the program ended with status {status}")

        e2e.check(logind.calls().count("PowerOff false") == 1,
                  f"logind was asked: {logind.calls()}")
        e2e.check(s.commands() == [], f"commands started: {s.commands()}")


if __name__ == "__main__":
    arguments_ = arguments()
    e2e.report(lambda: test(arguments_))
