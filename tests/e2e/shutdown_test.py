"""Auto shutdown: a one-minute countdown with auto shutdown on asks the desktop's session
manager to power off (a stand-in of Xfce's on the session bus; the others run for real in
real_session_test.py), or, where none is there, logind (a fake one on a private system bus),
which must then hear nothing else from the program. "yes": the program ends. "error"
(Xfce's): it cancels; "blocked" (logind): another program's inhibitor lock blocks the
shutdown, so the warning came at Start. Either way the failure box, then the Time Up notice,
and the program lives on. "slow" (logind): the clock goes on while the answer is awaited,
then the program ends.

    shutdown_test.py --binary B --tools T --out O --answer yes|error|blocked|slow
                     [--desktop none|xfce]"""

import argparse
import contextlib
import tempfile

import e2e
from fake_logind import FakeLogind
from fake_session_manager import FakeSessionManager

MAIN = "KAVELTO Time Reminder"
MAIN_CLIENT_HEIGHT = 425  # pixels; the menu bar sits above
MINUTES_FIELD = (60, 57)  # the middle of the minutes field, in the client area
CLOCK = (40, 176, 110, 15)  # the clock label's area in the client area
TIME_UP_SIZE = (492, 283)


def arguments():
    parser = argparse.ArgumentParser()
    for option in ("--binary", "--tools", "--out"):
        parser.add_argument(option, required=True)
    parser.add_argument("--answer", choices=("yes", "error", "blocked", "slow"), required=True)
    parser.add_argument("--desktop", choices=("none", "xfce"), default="none")
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
    logind_only = args.desktop == "none"
    refused = args.answer in ("error", "blocked")
    with tempfile.TemporaryDirectory(prefix="reminder-logind-") as folder, \
            FakeLogind(folder, args.answer, "inhibitor-blocked" if logind_only and refused
                       else "yes") as logind, \
            (contextlib.nullcontext() if logind_only
             else FakeSessionManager(folder, args.desktop, args.answer)) as manager, \
            e2e.Session(args.binary, args.tools, args.out,
                        env={"DBUS_SYSTEM_BUS_ADDRESS": logind.address}) as s:
        main = s.wait_window(MAIN)
        start_countdown(s, main, warned=refused and logind_only)
        # Xfce's session manager answers the permission itself.
        e2e.check(logind.calls() == ([] if manager else ["CanPowerOff"]),
                  f"logind was asked: {logind.calls()}")

        def asked():
            return ("PowerOff false" in logind.calls() if logind_only
                    else "Shutdown true" in manager.calls())

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

        powered_off = logind.calls().count("PowerOff false")
        e2e.check(powered_off == (1 if logind_only else 0), f"logind was asked: {logind.calls()}")
        if manager:
            e2e.check(manager.calls() == ["CanShutdown", "Shutdown true"],
                      f"the session manager got {manager.calls()}")
        e2e.check(s.commands() == [], f"commands started: {s.commands()}")


if __name__ == "__main__":
    arguments_ = arguments()
    e2e.report(lambda: test(arguments_))
