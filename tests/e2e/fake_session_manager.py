"""A stand-in for the part of GNOME that the tests cannot run for real, on the test's
session bus, each call recorded ("Open 2"): GNOME Shell's end-session dialog, which
gnome-session opens before it ends the session. Opened, it is confirmed a second later
("yes"), after 35 s, past the bus's own 25 s bound on an answer, as a user who takes their
time ("slow"), or cancelled ("error"). Run as a script, it is the service (Debian's
python3-gi)."""

import argparse
import pathlib
import sys

import e2e

DIALOG_PATH = "/org/gnome/SessionManager/EndSessionDialog"
DIALOG = "org.gnome.SessionManager.EndSessionDialog"
DIALOG_SIGNALS = ("ConfirmedLogout", "ConfirmedReboot", "ConfirmedShutdown", "Canceled",
                  "Closed")
SLOW_CONFIRMATION_MS = 35_000
# Each stand-in's bus names, and its objects: path, interface, methods.
DESKTOPS = {
    # GNOME Shell's end-session dialog, as gnome-session 43 opens it: Power Off or Cancel.
    "gnome-shell": (["org.gnome.Shell"], [
        (DIALOG_PATH, DIALOG,
         '<method name="Open"><arg type="u" direction="in"/><arg type="u" direction="in"/>'
         '<arg type="u" direction="in"/><arg type="ao" direction="in"/></method>'
         '<method name="Close"/>'
         + "".join(f'<signal name="{signal}"/>' for signal in DIALOG_SIGNALS))]),
}


class FakeSessionManager:
    def __init__(self, folder, desktop, answer):
        self.record = pathlib.Path(folder) / f"{desktop}-session.log"
        self.argv = [sys.executable, __file__, desktop, answer, str(self.record)]

    def __enter__(self):
        self.service = e2e.start_service(self.argv, f"{self.record}.ready", "the session manager")
        return self

    def __exit__(self, *exc):
        e2e.end(self.service)
        return False

    def calls(self):
        return self.record.read_text().splitlines() if self.record.exists() else []


def serve(desktop, answer, record):
    from gi.repository import Gio, GLib

    bus = Gio.bus_get_sync(Gio.BusType.SESSION)

    def later(action, ms=1000):
        GLib.timeout_add(ms, lambda: bus.emit_signal(None, *action, None) and False)

    def called(_bus, _sender, _path, _interface, method, parameters, invocation):
        first = (parameters.unpack() or [None])[0]
        shown = (f" {str(first).lower()}" if isinstance(first, bool)
                 else "" if first is None else f" {first}")
        with open(record, "a") as log:
            log.write(method + shown + "\n")
        invocation.return_value(None)
        if method == "Open":
            later((DIALOG_PATH, DIALOG, "Canceled" if answer == "error" else "ConfirmedShutdown"),
                  SLOW_CONFIRMATION_MS if answer == "slow" else 1000)

    names, objects = DESKTOPS[desktop]
    for path, interface, methods in objects:
        xml = f'<node><interface name="{interface}">{methods}</interface></node>'
        bus.register_object(path, Gio.DBusNodeInfo.new_for_xml(xml).interfaces[0], called)
    for name in names:
        bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                      "RequestName", GLib.Variant("(su)", (name, 4)), None, 0, -1, None)
    pathlib.Path(f"{record}.ready").touch()
    GLib.MainLoop().run()


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("desktop", choices=DESKTOPS)
    parser.add_argument("answer", choices=("yes", "error", "slow"))
    parser.add_argument("record")
    serve(**vars(parser.parse_args()))
