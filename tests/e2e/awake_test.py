"""A countdown keeps the computer from suspending on its own through the first of the
desktop's inhibitors that runs (a stand-in of the portal's, GNOME's session manager's or the
power manager's on the session bus; without them, a fake logind's "idle" lock on a private
system bus): taken at Start with what is set as the reason, let go at Cancel, and gone with
the program when it is killed.

    awake_test.py --binary B --tools T --out O --via portal|gnome|power|logind"""

import argparse
import contextlib
import tempfile

import e2e
from fake_inhibitors import FakeInhibitor
from fake_logind import FakeLogind

# What each hears: the hold, the release, the end of the program's hold when it is killed.
HEARD = {
    "portal": ["Inhibit 4 Time Set to 5 Minute", "Close", "Inhibit 4 Time Set to 5 Minute",
               "caller gone"],
    "gnome": ["Inhibit 4 Time Set to 5 Minute", "Uninhibit 1", "Inhibit 4 Time Set to 5 Minute",
              "caller gone"],
    "power": ["Inhibit Time Set to 5 Minute", "UnInhibit 1", "Inhibit Time Set to 5 Minute",
              "caller gone"],
    "logind": ["Inhibit idle block Time Set to 5 Minute", "released",
               "Inhibit idle block Time Set to 5 Minute", "released"],
}


def arguments():
    parser = argparse.ArgumentParser()
    for option in ("--binary", "--tools", "--out"):
        parser.add_argument(option, required=True)
    parser.add_argument("--via", choices=HEARD, required=True)
    return parser.parse_args()


def test(args):
    with tempfile.TemporaryDirectory(prefix="reminder-awake-") as folder, \
            FakeLogind(folder, "yes") as logind, \
            (contextlib.nullcontext() if args.via == "logind"
             else FakeInhibitor(folder, args.via)) as desktop, \
            e2e.Session(args.binary, args.tools, args.out,
                        env={"DBUS_SYSTEM_BUS_ADDRESS": logind.address}) as s:
        heard = logind.inhibitions if args.via == "logind" else desktop.calls
        main = s.window(e2e.APP)
        start = s.find_all(main, "push button", "Start")[0]
        cancel = s.find_all(main, "push button", "Cancel")[1]

        def start_countdown(calls):
            s.click(s.find(main, "text", "Insert Minute"))
            s.type("5")
            s.click(start)
            s.answer("Exit", "Turn on Auto Shutdown ?", "No")
            s.wait(lambda: len(heard()) >= calls, "the hold taken")

        start_countdown(1)
        s.click(cancel)
        s.wait(lambda: len(heard()) >= 2, "the hold let go")
        start_countdown(3)
        s.app.kill()
        s.app.wait()
        s.wait(lambda: len(heard()) >= 4, "the hold gone with the program", while_running=False)
        e2e.check(heard() == HEARD[args.via], f"the inhibitor heard {heard()}")
        if args.via != "logind":
            e2e.check(logind.inhibitions() == [], "logind was asked too")


e2e.report(lambda: test(arguments()))
