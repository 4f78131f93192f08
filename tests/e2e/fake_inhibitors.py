"""Stand-ins for the desktop's inhibitors of automatic suspend that the tests cannot run for
real (GNOME's session manager runs for real), on the test's session bus, their methods as the
interface files of Debian's packages declare them: the portal's (xdg-desktop-portal's
org.freedesktop.portal.Inhibit.xml, with org.freedesktop.portal.Request's Close) and the power
manager's of Plasma and Xfce (org.freedesktop.PowerManagement.Inhibit). Each records the calls
("Inhibit 4 Time Set to 5 Minute", "Close", "UnInhibit 1") and, as the real services do to drop
an inhibitor, "caller gone" once the caller's bus name vanishes. Run as a script, it is the
service (Debian's python3-gi)."""

import pathlib
import sys

from fake_session_manager import FakeSessionManager


def method(name, inputs, output=None):
    args = [f'<arg type="{t}" direction="in"/>' for t in inputs]
    args += [f'<arg type="{output}" direction="out"/>'] if output else []
    return f'<method name="{name}">{"".join(args)}</method>'


REQUEST = "/org/freedesktop/portal/desktop/request/1_1/t"
# Each stand-in's bus name; its objects (path, interface, methods); what an Inhibit call asked
# for (the flags where there are any, and the reason); its answer.
SERVICES = {
    "portal": ("org.freedesktop.portal.Desktop", [
        ("/org/freedesktop/portal/desktop", "org.freedesktop.portal.Inhibit",
         method("Inhibit", ["s", "u", "a{sv}"], "o")),
        (REQUEST, "org.freedesktop.portal.Request", method("Close", []))],
        lambda _window, flags, options: f"{flags} {options['reason']}", ("(o)", (REQUEST,))),
    "power": ("org.freedesktop.PowerManagement", [
        ("/org/freedesktop/PowerManagement/Inhibit", "org.freedesktop.PowerManagement.Inhibit",
         method("Inhibit", ["s", "s"], "u") + method("UnInhibit", ["u"]))],
        lambda _app, reason: reason, ("(u)", (1,))),
}


class FakeInhibitor(FakeSessionManager):
    def __init__(self, folder, service):
        self.record = pathlib.Path(folder) / f"{service}-inhibit.log"
        self.argv = [sys.executable, __file__, service, str(self.record)]


def serve(service, record):
    from gi.repository import Gio, GLib

    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    name, objects, said, answer = SERVICES[service]
    watched = set()

    def log(line):
        with open(record, "a") as out:
            out.write(line + "\n")

    def called(_bus, sender, _path, _interface, method_name, parameters, invocation):
        args = parameters.unpack()
        if method_name != "Inhibit":
            log(" ".join([method_name, *map(str, args)]))
            invocation.return_value(None)
            return
        log("Inhibit " + said(*args))
        if sender not in watched:
            watched.add(sender)
            bus.signal_subscribe("org.freedesktop.DBus", "org.freedesktop.DBus",
                                 "NameOwnerChanged", "/org/freedesktop/DBus", sender,
                                 Gio.DBusSignalFlags.NONE,
                                 lambda *signal: signal[-1].unpack()[2] or log("caller gone"))
        invocation.return_value(GLib.Variant(*answer))

    for path, interface, methods in objects:
        xml = f'<node><interface name="{interface}">{methods}</interface></node>'
        bus.register_object(path, Gio.DBusNodeInfo.new_for_xml(xml).interfaces[0], called)
    bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                  "RequestName", GLib.Variant("(su)", (name, 4)), None, 0, -1, None)
    pathlib.Path(f"{record}.ready").touch()
    GLib.MainLoop().run()


if __name__ == "__main__":
    serve(*sys.argv[1:])
