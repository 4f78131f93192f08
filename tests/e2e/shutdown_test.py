"""Auto shutdown where no desktop session manager runs (the desktops' own run for real in
real_session_test.py): a one-minute countdown with auto shutdown on asks logind (a fake one on
a private system bus), which must then hear nothing else from the program. "yes": the program
ends. "blocked": another program's inhibitor lock blocks the shutdown, so the warning came at
Start; then the failure box, then the Time Up notice, and the program lives on. "slow": the
clock goes on while the answer is awaited, then the program ends.

    shutdown_test.py --binary B --tools T --out O --answer yes|blocked|slow"""

import argparse
import tempfile

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
    parser.add_argument("--answer", choices=("yes", "blocked", "slow"), required=True)
    return parser.parse_args()


def ok(s, title):
    s.wait_window(title)
    s.key("Return")
    s.wait_gone(title)


def time_up_window(s):
    return [w for w in s.find_windows("") if s.geometry(w)[2:] == TIME_UP_SIZE]


def clock_pixels(s, main):
    """The clock label's pixels, as the screen shows them now."""
    x, y, _, height = s.geometry(main)
    return s.pixels((x + CLOCK[0], y + height - MAIN_CLIENT_HEIGHT + CLOCK[1], CLOCK[2],
                     CLOCK[3]))


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
        s.wait_window("Auto Shutdown")
        s.screenshot("warning")
        ok(s, "Auto Shutdown")
    e2e.check(not s.find_windows("Auto Shutdown"), "a warning where power-off is allowed")


def failure_then_reminder(s, asked, timeout=80):
    """The failure box, after the power-off was asked for, then the Time Up notice."""
    s.wait_window("Auto Shutdown", timeout=timeout)
    e2e.check(asked(), "the failure box came before the power-off was asked for")
    e2e.check(not time_up_window(s), "the Time Up window came before the failure box")
    s.screenshot("failed")
    s.key("Return")
    s.wait(lambda: time_up_window(s) and s.find_windows("Stop"), "Time Up notice")
    s.screenshot("time-up")
    s.key("Return")
    s.wait_gone("Stop")
    e2e.check(s.running(), "the program ended after a refusal")


def test(args):
    refused = args.answer == "blocked"
    with tempfile.TemporaryDirectory(prefix="reminder-logind-") as folder, \
            FakeLogind(folder, args.answer, "inhibitor-blocked" if refused else "yes") as logind, \
            e2e.Session(args.binary, args.tools, args.out,
                        env={"DBUS_SYSTEM_BUS_ADDRESS": logind.address}) as s:
        main = s.wait_window(MAIN)
        start_countdown(s, main, warned=refused)
        e2e.check(logind.calls() == ["CanPowerOff"], f"logind was asked: {logind.calls()}")

        def asked():
            return "PowerOff false" in logind.calls()

        if args.answer == "yes":
            status = s.wait_exit(timeout=80)
            e2e.check(status == 0, f"the program ended with status {status}")
        elif refused:
            failure_then_reminder(s, asked)
        else:
            s.wait(asked, "logind asked", timeout=80)
            before = clock_pixels(s, main)
            s.wait(lambda: clock_pixels(s, main) != before, "the clock moving", timeout=4)
            e2e.check(s.running(), "the program ended before logind answered")
            s.screenshot("awaiting")
            status = s.wait_exit(timeout=15)
            e2e.check(status == 0, f"the program ended with status {status}")

        e2e.check(logind.calls().count("PowerOff false") == 1, f"logind was asked: {logind.calls()}")
        e2e.check(s.commands() == [], f"commands started: {s.commands()}")


if __name__ == "__main__":
    arguments_ = arguments()
    e2e.report(lambda: test(arguments_))
