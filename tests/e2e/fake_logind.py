"""A stand-in for logind on a private system bus of its own: a dbus-daemon with a private
configuration, and on it org.freedesktop.login1 answering CanPowerOff as told ("yes",
"challenge", "inhibitor-blocked"...) and recording every PowerOff call, which it accepts,
refuses ("error": authentication needed; "blocked": an inhibitor lock), or accepts after 5 s.
Like logind, it hands out inhibitor locks (a pipe's end, held until every copy is closed;
inhibitions() tells the calls and the releases) and, once it accepts a PowerOff, says
PrepareForShutdown(true), which is what a session manager waits for before it ends the
session. Nothing is powered off.

    with FakeLogind(folder, power_off="yes", can_power_off="yes") as logind:
        env = {"DBUS_SYSTEM_BUS_ADDRESS": logind.address}
        ...
        logind.calls()      # ["PowerOff false", ...]

Run as a script, it is the service itself (Debian's python3-dbus and python3-gi)."""

import argparse
import os
import pathlib
import subprocess
import sys

import e2e

BUS_CONFIG = """<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>custom</type>
  <listen>unix:dir={folder}</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
"""
SLOW_ANSWER_MS = 5000
REFUSALS = {
    "error": ("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired",
              "Interactive authentication required."),
    "blocked": ("org.freedesktop.login1.BlockedByInhibitorLock",
                "Operation denied due to active block inhibitor"),
}


class FakeLogind:
    def __init__(self, folder, power_off, can_power_off="yes"):
        self.folder = pathlib.Path(folder)
        self.power_off = power_off
        self.can_power_off = can_power_off
        self.record = self.folder / "logind.log"
        self.daemon = None
        self.service = None

    def __enter__(self):
        self.folder.mkdir(parents=True, exist_ok=True)
        config = self.folder / "bus.conf"
        config.write_text(BUS_CONFIG.format(folder=self.folder))
        self.daemon = subprocess.Popen(
            ["dbus-daemon", f"--config-file={config}", "--nofork", "--print-address=1"],
            stdout=subprocess.PIPE, text=True)
        self.address = self.daemon.stdout.readline().strip()
        if not self.address:
            raise RuntimeError("the private bus did not start")
        self.service = e2e.start_service(
            ["/usr/bin/python3", __file__, "--address", self.address, "--record",
             str(self.record), "--ready", str(self.folder / "ready"), "--power-off",
             self.power_off, "--can-power-off", self.can_power_off], self.folder / "ready",
            "the fake logind")
        return self

    def __exit__(self, *exc):
        for proc in (self.service, self.daemon):
            e2e.end(proc)
        return False

    def calls(self):
        """The calls logind got, in order, e.g. "PowerOff false"."""
        return self.record.read_text().splitlines() if self.record.exists() else []

    def inhibitions(self):
        """The Inhibit calls, e.g. "Inhibit idle block Time Set to 5 Minute", and "released"
        where the lock's every copy was closed."""
        record = pathlib.Path(f"{self.record}.inhibit")
        return record.read_text().splitlines() if record.exists() else []

    def power_off_callers(self):
        """The names of the programs that called PowerOff, in order."""
        callers = pathlib.Path(f"{self.record}.callers")
        return callers.read_text().splitlines() if callers.exists() else []


def serve(args):
    import dbus
    import dbus.service
    from dbus.mainloop.glib import DBusGMainLoop
    from gi.repository import GLib

    DBusGMainLoop(set_as_default=True)
    bus = dbus.bus.BusConnection(args.address)

    manager = "org.freedesktop.login1.Manager"

    def record(line, suffix=""):
        with open(args.record + suffix, "a") as log:
            log.write(line + "\n")

    class Manager(dbus.service.Object):
        @dbus.service.method(manager, in_signature="", out_signature="s")
        def CanPowerOff(self):
            record("CanPowerOff")
            return args.can_power_off

        @dbus.service.method(manager, in_signature="ssss", out_signature="h")
        def Inhibit(self, what, _who, why, mode):
            record(f"Inhibit {what} {mode} {why}", ".inhibit")
            held, given = os.pipe()

            def released(*_):
                record("released", ".inhibit")
                os.close(held)
                return False

            GLib.io_add_watch(held, GLib.IO_HUP | GLib.IO_ERR, released)
            lock = dbus.types.UnixFd(given)  # a copy of its own goes out with the answer
            os.close(given)
            return lock

        @dbus.service.signal(manager, signature="b")
        def PrepareForShutdown(self, start):
            pass

        @dbus.service.method(manager, in_signature="b",
                             out_signature="", async_callbacks=("reply", "error"),
                             sender_keyword="sender")
        def PowerOff(self, interactive, reply, error, sender):
            record(f"PowerOff {'true' if interactive else 'false'}")
            pid = bus.call_blocking("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                    "org.freedesktop.DBus", "GetConnectionUnixProcessID", "s",
                                    (sender,))
            with open(args.record + ".callers", "a") as log:
                log.write(pathlib.Path(f"/proc/{pid}/comm").read_text())
            if args.power_off in REFUSALS:
                name, message = REFUSALS[args.power_off]
                error(dbus.DBusException(message, name=name))
            elif args.power_off == "slow":
                GLib.timeout_add(SLOW_ANSWER_MS, lambda: self.accept(reply) and False)
            else:
                self.accept(reply)

        def accept(self, reply):
            reply()
            self.PrepareForShutdown(True)

    name = dbus.service.BusName("org.freedesktop.login1", bus)
    Manager(bus, "/org/freedesktop/login1")
    pathlib.Path(args.ready).touch()
    loop = GLib.MainLoop()
    loop.run()
    del name


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    for option in ("--address", "--record", "--ready", "--power-off", "--can-power-off"):
        parser.add_argument(option, required=True)
    serve(parser.parse_args())
