"""A stand-in for a desktop's session manager on the test's session bus: GNOME's, Plasma's or
Xfce's names and methods, each call recorded ("Shutdown true"). Asked to shut down, it lets
the session end ("yes": GNOME's asks its client QueryEndSession, then EndSession; Plasma's and
Xfce's would end the program through the X session protocol, which no stand-in speaks) or
cancels a second later ("error": GNOME's CancelEndSession to its client, Plasma's
isShuttingDown back to false once asked, Xfce's ShutdownCancelled). Run as a script, it is
the service (Debian's python3-gi)."""

import argparse
import pathlib
import sys

import e2e

CLIENT = "/org/gnome/SessionManager/Client1"
GNOME_CLIENT = "org.gnome.SessionManager.ClientPrivate"
XFCE = ("/org/xfce/SessionManager", "org.xfce.Session.Manager")
YES = '<arg type="b" direction="out"/>'
# Each desktop's bus names, and its objects: path, interface, methods.
DESKTOPS = {
    "gnome": (["org.gnome.SessionManager"], [
        ("/org/gnome/SessionManager", "org.gnome.SessionManager",
         f'<method name="CanShutdown">{YES}</method><method name="RequestShutdown"/>'
         '<method name="RegisterClient"><arg type="s"/><arg type="s"/>'
         '<arg type="o" direction="out"/></method>'
         '<method name="UnregisterClient"><arg type="o"/></method>'),
        (CLIENT, GNOME_CLIENT,
         '<method name="EndSessionResponse"><arg type="b"/><arg type="s"/></method>')]),
    "kde": (["org.kde.Shutdown", "org.kde.ksmserver"], [
        ("/Shutdown", "org.kde.Shutdown", '<method name="logoutAndShutdown"/>'),
        ("/KSMServer", "org.kde.KSMServerInterface", f'<method name="isShuttingDown">{YES}</method>')]),
    "xfce": (["org.xfce.SessionManager"], [
        (*XFCE, f'<method name="CanShutdown">{YES}</method>'
                '<method name="Shutdown"><arg type="b"/></method>')]),
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
    state = {"shutting down": False, "responses": 0}

    def later(action):
        GLib.timeout_add(1000, lambda: action() and False)

    def emit(path, interface, signal, *flags):
        bus.emit_signal(None, path, interface, signal, GLib.Variant("(u)", flags) if flags else None)

    def afterwards(method):
        cancel = answer == "error"
        if method == "RequestShutdown":
            later(lambda: emit(CLIENT, GNOME_CLIENT, "QueryEndSession", 0))
        elif method == "EndSessionResponse" and state["responses"] == 1:
            later(lambda: emit(CLIENT, GNOME_CLIENT, *(("CancelEndSession",) if cancel
                                                       else ("EndSession", 0))))
        elif method == "logoutAndShutdown":
            state["shutting down"] = True
        elif method == "isShuttingDown" and cancel and state["shutting down"]:
            later(lambda: state.update({"shutting down": False}))  # once seen shutting down
        elif method == "Shutdown" and cancel:
            later(lambda: emit(*XFCE, "ShutdownCancelled"))

    def called(_bus, _sender, _path, _interface, method, parameters, invocation):
        first = (parameters.unpack() or [None])[0]
        shown = {True: " true", False: " false", None: ""}.get(first, f" {first}")
        if method != "isShuttingDown":  # asked once a second while the program waits
            with open(record, "a") as log:
                log.write(method + shown + "\n")
        state["responses"] += method == "EndSessionResponse"
        replies = {"CanShutdown": ("(b)", (True,)), "RegisterClient": ("(o)", (CLIENT,)),
                   "isShuttingDown": ("(b)", (state["shutting down"],))}
        invocation.return_value(GLib.Variant(*replies[method]) if method in replies else None)
        afterwards(method)

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
    parser.add_argument("answer", choices=("yes", "error"))
    parser.add_argument("record")
    serve(**vars(parser.parse_args()))
