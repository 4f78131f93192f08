"""A recording stand-in for the desktop's notification service: owns
org.freedesktop.Notifications on the session bus and writes each call, one JSON object a
line, to the file given as its argument; "ready" is the first line, once the name is owned.

    python3 notification_service.py calls.jsonl

Debian's python3 with python3-dbus and python3-gi."""

import json
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.freedesktop.Notifications"


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
        self.record({"call": "Notify", "id": self.last_id, "app_name": str(app_name),
                     "replaces_id": int(replaces_id), "app_icon": str(app_icon),
                     "summary": str(summary), "body": str(body),
                     "hints": {str(k): (int(v) if isinstance(v, (dbus.Byte, int)) else str(v))
                               for k, v in hints.items()},
                     "timeout": int(timeout)})
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
