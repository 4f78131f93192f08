"""A stand-in for a desktop's session manager on the test's session bus: GNOME's, KDE
Plasma's or Xfce's names and methods, recording every call. Asked to shut down, it either
lets the session end ("yes": GNOME's asks its registered client QueryEndSession, then
EndSession, and the client is to end; Plasma's and Xfce's would end it through the X session
protocol, which a stand-in does not speak) or cancels it a second later ("error": GNOME's
CancelEndSession to its client, Plasma's shutting-down state back to false, Xfce's
ShutdownCancelled). Nothing is shut down.

    with FakeSessionManager(folder, "xfce", "error") as manager:
        ...
        manager.calls()      # ["CanShutdown", "Shutdown true"]

Run as a script, it is the service itself (Debian's python3-dbus and python3-gi)."""

import argparse
import pathlib
import sys

import e2e

CANCEL_AFTER_MS = 1000
GNOME = "org.gnome.SessionManager"
GNOME_CLIENT = "org.gnome.SessionManager.ClientPrivate"


class FakeSessionManager:
    def __init__(self, folder, desktop, answer):
        self.folder = pathlib.Path(folder)
        self.desktop = desktop
        self.answer = answer
        self.record = self.folder / f"{desktop}-session.log"
        self.service = None

    def __enter__(self):
        self.folder.mkdir(parents=True, exist_ok=True)
        ready = self.folder / f"{self.desktop}-ready"
        self.service = e2e.start_service(
            [sys.executable, __file__, "--desktop", self.desktop, "--answer", self.answer,
             "--record", str(self.record), "--ready", str(ready)], ready,
            f"the {self.desktop} session manager")
        return self

    def __exit__(self, *exc):
        e2e.end(self.service)
        return False

    def calls(self):
        return self.record.read_text().splitlines() if self.record.exists() else []


def serve(args):
    import dbus
    import dbus.service
    from dbus.mainloop.glib import DBusGMainLoop
    from gi.repository import GLib

    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()

    def record(line):
        with open(args.record, "a") as log:
            log.write(line + "\n")

    def later(action):
        GLib.timeout_add(CANCEL_AFTER_MS, lambda: action() and False)

    class GnomeClient(dbus.service.Object):
        responses = 0

        @dbus.service.signal(GNOME_CLIENT, signature="u")
        def QueryEndSession(self, flags):
            pass

        @dbus.service.signal(GNOME_CLIENT, signature="u")
        def EndSession(self, flags):
            pass

        @dbus.service.signal(GNOME_CLIENT, signature="")
        def CancelEndSession(self):
            pass

        @dbus.service.method(GNOME_CLIENT, in_signature="bs", out_signature="")
        def EndSessionResponse(self, is_ok, reason):
            record(f"EndSessionResponse {'true' if is_ok else 'false'}")
            self.responses += 1
            if self.responses == 1:
                later(self.CancelEndSession if args.answer == "error" else lambda: self.EndSession(0))

    class Gnome(dbus.service.Object):
        client = None

        @dbus.service.method(GNOME, in_signature="", out_signature="b")
        def CanShutdown(self):
            record("CanShutdown")
            return True

        @dbus.service.method(GNOME, in_signature="ss", out_signature="o")
        def RegisterClient(self, app_id, startup_id):
            record(f"RegisterClient {app_id}")
            path = "/org/gnome/SessionManager/Client1"
            Gnome.client = GnomeClient(bus, path)
            return dbus.ObjectPath(path)

        @dbus.service.method(GNOME, in_signature="o", out_signature="")
        def UnregisterClient(self, path):
            record("UnregisterClient")

        @dbus.service.method(GNOME, in_signature="", out_signature="")
        def RequestShutdown(self):
            record("RequestShutdown")
            later(lambda: Gnome.client.QueryEndSession(0))

    class Plasma(dbus.service.Object):
        shutting_down = False

        @dbus.service.method("org.kde.Shutdown", in_signature="", out_signature="")
        def logoutAndShutdown(self):
            record("logoutAndShutdown")
            Plasma.shutting_down = True
            if args.answer == "error":
                later(lambda: setattr(Plasma, "shutting_down", False))

    class KsmServer(dbus.service.Object):
        @dbus.service.method("org.kde.KSMServerInterface", in_signature="", out_signature="b")
        def isShuttingDown(self):
            return Plasma.shutting_down

    class Xfce(dbus.service.Object):
        @dbus.service.method("org.xfce.Session.Manager", in_signature="", out_signature="b")
        def CanShutdown(self):
            record("CanShutdown")
            return True

        @dbus.service.method("org.xfce.Session.Manager", in_signature="b", out_signature="")
        def Shutdown(self, allow_save):
            record(f"Shutdown {'true' if allow_save else 'false'}")
            if args.answer == "error":
                later(self.ShutdownCancelled)

        @dbus.service.signal("org.xfce.Session.Manager", signature="")
        def ShutdownCancelled(self):
            pass

    if args.desktop == "gnome":
        names = [dbus.service.BusName(GNOME, bus)]
        objects = [Gnome(bus, "/org/gnome/SessionManager")]
    elif args.desktop == "kde":
        names = [dbus.service.BusName("org.kde.Shutdown", bus),
                 dbus.service.BusName("org.kde.ksmserver", bus)]
        objects = [Plasma(bus, "/Shutdown"), KsmServer(bus, "/KSMServer")]
    else:
        names = [dbus.service.BusName("org.xfce.SessionManager", bus)]
        objects = [Xfce(bus, "/org/xfce/SessionManager")]
    pathlib.Path(args.ready).touch()
    GLib.MainLoop().run()
    del names, objects


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--desktop", choices=("gnome", "kde", "xfce"), required=True)
    parser.add_argument("--answer", choices=("yes", "error"), required=True)
    for option in ("--record", "--ready"):
        parser.add_argument(option, required=True)
    serve(parser.parse_args())
