"""Stand-ins for the desktop's inhibitors of automatic suspend on the test's session bus, their
methods as the interface files of Debian's packages declare them: the portal's
(xdg-desktop-portal's org.freedesktop.portal.Inhibit.xml, with org.freedesktop.portal.Request's
Close), GNOME's session manager's (gnome-session's org.gnome.SessionManager.xml) and the power
manager's of Plasma and Xfce (org.freedesktop.PowerManagement.Inhibit). Each records the calls
("Inhibit 4 Time Set to 5 Minute", "Close", "Uninhibit 1") and, as the real services do to drop
an inhibitor, "caller gone" once the caller's bus name vanishes. Run as a script, it is the
service (Debian's python3-gi)."""

import argparse
import pathlib
import sys

import e2e

ARG = '<arg type="{}" direction="{}"/>'


def method(name, inputs, output=""):
    args = "".join(ARG.format(t, "in") for t in inputs) + (ARG.format(output, "out") if output else "")
    return f'<method name="{name}">{args}</method>'


PORTAL_REQUEST = "/org/freedesktop/portal/desktop/request/1_1/t"
# Each stand-in's bus name, and its objects: path, interface, methods.
SERVICES = {
    "portal": ("org.freedesktop.portal.Desktop", [
        ("/org/freedesktop/portal/desktop", "org.freedesktop.portal.Inhibit",
         method("Inhibit", ["s", "u", "a{sv}"], "o")),
        (PORTAL_REQUEST, "org.freedesktop.portal.Request", method("Close", []))]),
    "gnome": ("org.gnome.SessionManager", [
        ("/org/gnome/SessionManager", "org.gnome.SessionManager",
         method("Inhibit", ["s", "u", "s", "u"], "u") + method("Uninhibit", ["u"]))]),
    "power": ("org.freedesktop.PowerManagement", [
        ("/org/freedesktop/PowerManagement/Inhibit", "org.freedesktop.PowerManagement.Inhibit",
         method("Inhibit", ["s", "s"], "u") + method("UnInhibit", ["u"]))]),
}

# What an Inhibit call asked for: the flags where there are any, and the reason.
SAID = {
    "portal": lambda _window, flags, options: f"{flags} {options['reason']}",
    "gnome": lambda _app, _xid, reason, flags: f"{flags} {reason}",
    "power": lambda _app, reason: reason,
}


class FakeInhibitor:
    def __init__(self, folder, service):
        self.record = pathlib.Path(folder) / f"{service}-inhibit.log"
        self.argv = [sys.executable, __file__, service, str(self.record)]

    def __enter__(self):
        self.service = e2e.start_service(self.argv, f"{self.record}.ready", "the inhibitor")
        return self

    def __exit__(self, *exc):
        e2e.end(self.service)
        return False

    def calls(self):
        return self.record.read_text().splitlines() if self.record.exists() else []


def serve(service, record):
    from gi.repository import Gio, GLib

    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    watched = set()

    def log(line):
        with open(record, "a") as out:
            out.write(line + "\n")

    def vanished(_bus, _sender, _path, _interface, _signal, parameters):
        _name, _old, new = parameters.unpack()
        if not new:
            log("caller gone")

    def called(_bus, sender, _path, _interface, name, parameters, invocation):
        args = parameters.unpack()
        if name == "Inhibit":
            log("Inhibit " + SAID[service](*args))
            if sender not in watched:
                watched.add(sender)
                bus.signal_subscribe("org.freedesktop.DBus", "org.freedesktop.DBus",
                                     "NameOwnerChanged", "/org/freedesktop/DBus", sender,
                                     Gio.DBusSignalFlags.NONE, vanished)
            reply = GLib.Variant("(o)", (PORTAL_REQUEST,)) if service == "portal" else GLib.Variant("(u)", (1,))
            invocation.return_value(reply)
            return
        log(" ".join([name, *map(str, args)]))
        invocation.return_value(None)

    name, objects = SERVICES[service]
    for path, interface, methods in objects:
        xml = f'<node><interface name="{interface}">{methods}</interface></node>'
        bus.register_object(path, Gio.DBusNodeInfo.new_for_xml(xml).interfaces[0], called)
    bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                  "RequestName", GLib.Variant("(su)", (name, 4)), None, 0, -1, None)
    pathlib.Path(f"{record}.ready").touch()
    GLib.MainLoop().run()


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("service", choices=SERVICES)
    parser.add_argument("record")
    serve(**vars(parser.parse_args()))
