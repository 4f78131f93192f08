"""Auto shutdown inside a real desktop session (desktop_sessions.py): after a one-minute
countdown with auto shutdown on, the program asks the desktop's session manager, which
asks the session's programs and powers off through the fake logind itself.
"yes": the session ends the program (no box) and its session manager, not the program, asks
logind to power off. "slow" (GNOME's): the user takes 35 s over GNOME's Power Off dialog,
more than the bus's own bound on an answer; the program waits for it, its window alive and no
failure box, then ends as for "yes". "cancel": the desktop's Cancel (GNOME's dialog; on
Plasma, MATE and Xfce a program of the session that cancels when asked) brings the failure box,
then the Time Up notice, and nothing is powered off.

    real_session_test.py --binary B --tools T --out O --desktop gnome|plasma|mate|cinnamon|xfce
                         --answer yes|slow|cancel"""

import argparse
import pathlib
import sys
import tempfile

import e2e
from desktop_sessions import DESKTOPS, POWER_OFF_CALLERS
from fake_logind import FakeLogind
from shutdown_test import MAIN, failure_then_reminder, start_countdown

SLOW_DIALOG_S = 35


def arguments():
    parser = argparse.ArgumentParser()
    for option in ("--binary", "--tools", "--out"):
        parser.add_argument(option, required=True)
    parser.add_argument("--desktop", choices=DESKTOPS, required=True)
    parser.add_argument("--answer", choices=("yes", "slow", "cancel"), required=True)
    return parser.parse_args()


def test(args):
    with tempfile.TemporaryDirectory(prefix="reminder-session-") as folder, \
            FakeLogind(folder, "yes") as logind, \
            DESKTOPS[args.desktop](logind, args.binary, args.tools, args.out,
                                   answer=args.answer) as s:
        start_countdown(s, s.wait_window(MAIN, timeout=60), warned=False)
        if args.answer == "cancel":
            failure_then_reminder(s, lambda: logind.calls(), timeout=80)
            e2e.check("PowerOff true" not in logind.calls(), f"logind: {logind.calls()}")
        else:
            waited = 80 + (SLOW_DIALOG_S if args.answer == "slow" else 0)
            # Ended, with no failure box on the way.
            ended = s.wait(lambda: "box" if s.find_windows("Auto Shutdown")
                           else not s.running() and "ended", "the session's end",
                           timeout=waited, while_running=False)
            e2e.check(ended == "ended", "the failure box came while the desktop was asking")
            status = s.wait_exit()
            e2e.check(status == 0, f"the program ended with status {status}")
            s.wait(logind.power_off_callers, "logind asked to power off", timeout=30,
                   while_running=False)
            # cinnamon-session asks again while the computer stays on.
            e2e.check(set(logind.power_off_callers()) == {POWER_OFF_CALLERS[args.desktop]},
                      f"PowerOff called by {logind.power_off_callers()}")
            e2e.check("PowerOff true" in logind.calls(), f"logind: {logind.calls()}")
        if hasattr(s, "asked"):
            e2e.check(s.asked.exists(), "the session's program was not asked before its end")
        e2e.check("PowerOff false" not in logind.calls(), "the program asked logind itself")
        e2e.check(s.commands() == [], f"commands started: {s.commands()}")


if __name__ == "__main__":
    arguments_ = arguments()
    if arguments_.desktop == "xfce" and not pathlib.Path("/run/systemd/seats").is_dir():
        print("skipped: xfce4-session powers off through logind only under systemd")
        sys.exit(77)
    e2e.report(lambda: test(arguments_))
