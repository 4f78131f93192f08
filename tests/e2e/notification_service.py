"""A recording stand-in for the desktop's notification service: owns
org.freedesktop.Notifications on the session bus and writes each call, one JSON object a
line, to the file given as its argument; "ready" is the first line, once the name is owned.
Each hint is recorded with its D-Bus type, and one whose type the notification interface fixes counts
only in that type (urgency only as a byte), as a real server reads it.

    python3 notification_service.py calls.jsonl

Debian's python3 with python3-dbus and python3-gi."""

import json
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.freedesktop.Notifications"

# The D-Bus type of each basic value dbus-python hands over, as its signature letter.
BASIC_TYPES = [(dbus.Byte, "y"), (dbus.Boolean, "b"), (dbus.Int16, "n"), (dbus.UInt16, "q"),
               (dbus.Int32, "i"), (dbus.UInt32, "u"), (dbus.Int64, "x"), (dbus.UInt64, "t"),
               (dbus.Double, "d"), (dbus.ObjectPath, "o"), (dbus.Signature, "g"),
               (dbus.String, "s")]
# The hints whose type the notification interface fixes: a server looks them up with
# that type and ignores them in any other.
HINT_TYPES = {"urgency": "y", "category": "s", "desktop-entry": "s", "transient": "b",
              "resident": "b", "suppress-sound": "b", "sound-file": "s", "sound-name": "s",
              "x": "i", "y": "i"}


def type_of(value):
    for kind, letter in BASIC_TYPES:
        if isinstance(value, kind):
            return letter
    return "a" if isinstance(value, (dbus.Array, dbus.Dictionary)) else "r"


def plain(value):
    if isinstance(value, (dbus.Boolean,)):
        return bool(value)
    if isinstance(value, (int, float)):
        return value + 0
    return str(value)


class Notifications(dbus.service.Object):
    def __init__(self, bus, log):
        super().__init__(bus, "/org/freedesktop/Notifications")
        self.log = log
        self.last_id = 0

    def record(self, call):
        self.log.write(json.dumps(call) + "\n")
        self.log.flush()

    @dbus.service.method(NAME, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app_name, replaces_id, app_icon, summary, body, actions, hints, timeout):
        self.last_id += 1
        types = {str(k): type_of(v) for k, v in hints.items()}
        # As a server reads them: a hint of another type than its own is not there.
        read = {k: plain(v) for k, v in hints.items()
                if HINT_TYPES.get(str(k), types[str(k)]) == types[str(k)]}
        self.record({"call": "Notify", "id": self.last_id, "app_name": str(app_name),
                     "replaces_id": int(replaces_id), "app_icon": str(app_icon),
                     "summary": str(summary), "body": str(body), "hints": read,
                     "hint_types": types, "timeout": int(timeout)})
        return self.last_id

    @dbus.service.method(NAME, in_signature="u")
    def CloseNotification(self, notification_id):
        self.record({"call": "CloseNotification", "id": int(notification_id)})
        self.NotificationClosed(notification_id, 3)

    @dbus.service.method(NAME, out_signature="as")
    def GetCapabilities(self):
        return ["body"]

    @dbus.service.method(NAME, out_signature="ssss")
    def GetServerInformation(self):
        return "recording", "tests", "1", "1.2"

    @dbus.service.signal(NAME, signature="uu")
    def NotificationClosed(self, notification_id, reason):
        pass


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    with open(sys.argv[1], "a", encoding="utf-8") as log:
        service = Notifications(bus, log)
        name = dbus.service.BusName(NAME, bus, do_not_queue=True)
        service.record({"call": "ready"})
        GLib.MainLoop().run()
        del name


main()
