"""A countdown keeps the computer from suspending on its own through the first of the
desktop's inhibitors that runs (GNOME's real session manager, asked whether anything inhibits
suspend; a stand-in of the portal's or the power manager's on the session bus; without them, a
fake logind's "idle" lock on a private system bus): taken at Start with what is set as the reason, let go at Cancel, and gone with
the program when it is killed.

    awake_test.py --binary B --tools T --out O --via portal|gnome|power|logind"""

import argparse
import contextlib
import tempfile

import e2e
from desktop_sessions import Gnome, bus_call
from fake_inhibitors import FakeInhibitor
from fake_logind import FakeLogind

# What each hears: the hold, the release, the end of the program's hold when it is killed.
HEARD = {
    "portal": ["Inhibit 4 Time Set to 5 Minute", "Close", "Inhibit 4 Time Set to 5 Minute",
               "caller gone"],
    "gnome": ["suspend inhibited", "not inhibited", "suspend inhibited", "not inhibited"],
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


def gnome_heard():
    """gnome-session's word on whether suspend (flag 4) is inhibited, each time it changes."""
    heard = []

    def changes():
        inhibited = bus_call("--dest", "org.gnome.SessionManager", "--object-path",
                             "/org/gnome/SessionManager", "--method",
                             "org.gnome.SessionManager.IsInhibited", "4") == "(true,)"
        state = "suspend inhibited" if inhibited else "not inhibited"
        if state != (heard[-1] if heard else "not inhibited"):
            heard.append(state)
        return heard
    return changes


def test(args):
    with tempfile.TemporaryDirectory(prefix="reminder-awake-") as folder, \
            FakeLogind(folder, "yes") as logind, \
            (FakeInhibitor(folder, args.via) if args.via in ("portal", "power")
             else contextlib.nullcontext()) as desktop, \
            (Gnome(logind, args.binary, args.tools, args.out) if args.via == "gnome"
             else e2e.Session(args.binary, args.tools, args.out,
                              env={"DBUS_SYSTEM_BUS_ADDRESS": logind.address})) as s:
        heard = {"logind": logind.inhibitions, "gnome": gnome_heard()}.get(
            args.via, desktop and desktop.calls)
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
            # gnome-session's own locks on shutdown are its business.
            e2e.check(not any(" idle " in line for line in logind.inhibitions()),
                      "logind was asked too")


e2e.report(lambda: test(arguments()))
