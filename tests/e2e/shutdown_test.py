"""Auto shutdown: a one-minute countdown with auto shutdown on asks the desktop's session
manager to power off (a stand-in of GNOME's, Plasma's or Xfce's on the session bus), or,
where none is there, logind (a fake one on a private system bus), which must then hear
nothing else from the program. "yes": the program ends (with a session manager: GNOME's,
which tells its client the session ends). "error": the failure box, then the Time Up
notice, and the program lives on; without a session manager the warning came at Start,
since the fake logind says "challenge" to CanPowerOff. "slow" (logind only): the clock goes
on while the answer is awaited, then the program ends.

    shutdown_test.py --binary B --tools T --out O --answer yes|error|slow
                     [--desktop none|gnome|kde|xfce]"""

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
    parser.add_argument("--answer", choices=("yes", "error", "slow"), required=True)
    parser.add_argument("--desktop", choices=("none", "gnome", "kde", "xfce"), default="none")
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


# What each stand-in records of its run (GNOME's: yes; Plasma's, Xfce's: error), after its
# own CanShutdown where it has one; a client of GNOME's may unregister on its way out.
SESSION_CALLS = {
    "gnome": ["CanShutdown", "RegisterClient kavelto-time-reminder", "RequestShutdown",
              "EndSessionResponse true", "EndSessionResponse true"],
    "kde": ["logoutAndShutdown"],
    "xfce": ["CanShutdown", "Shutdown true"],
}
REQUESTS = ("RequestShutdown", "logoutAndShutdown", "Shutdown true")


def test(args):
    logind_only = args.desktop == "none"
    can_power_off = "challenge" if args.answer == "error" and logind_only else "yes"
    with tempfile.TemporaryDirectory(prefix="reminder-logind-") as folder, \
            FakeLogind(folder, args.answer, can_power_off) as logind, \
            (contextlib.nullcontext() if logind_only
             else FakeSessionManager(folder, args.desktop, args.answer)) as manager, \
            e2e.Session(args.binary, args.tools, args.out,
                        env={"DBUS_SYSTEM_BUS_ADDRESS": logind.address}) as s:
        main = s.wait_window(MAIN)
        start_countdown(s, main, warned=args.answer == "error" and logind_only)
        # Plasma leaves the permission to logind; the others answer it themselves.
        asked_first = ["CanPowerOff"] if args.desktop in ("none", "kde") else []
        e2e.check(logind.calls() == asked_first, f"logind was asked: {logind.calls()}")

        def asked():
            return ("PowerOff false" in logind.calls() if logind_only
                    else set(REQUESTS) & set(manager.calls()))

        if args.answer == "yes":
            status = s.wait_exit(timeout=80)
            e2e.check(status == 0, f"the program ended with status {status}")
        elif args.answer == "error":
            s.wait_window("Auto Shutdown", timeout=80)
            e2e.check(asked(), "the failure box came before the power-off was asked for")
            e2e.check(not time_up_window(s), "the Time Up window came before the failure box")
            s.screenshot("failed")
            s.key("Return")
            s.wait(lambda: time_up_window(s) and s.find_windows("Stop"), "Time Up notice")
            s.screenshot("time-up")
            s.key("Return")
            s.wait_gone("Stop")
            e2e.check(s.running(), "the program ended after a refusal")
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
        if not logind_only:
            calls = [c for c in manager.calls() if not c.startswith("UnregisterClient")]
            e2e.check(calls == SESSION_CALLS[args.desktop], f"the session manager got {calls}")
        e2e.check(s.commands() == [], f"commands started: {s.commands()}")


if __name__ == "__main__":
    arguments_ = arguments()
    e2e.report(lambda: test(arguments_))
