"""Real desktop sessions from Debian's packages, started headless on the test's display and
session bus before the program, the fake logind their system bus:

    with Gnome(logind, args.binary, args.tools, args.out, answer="cancel") as s: ...

What the bus starts for them (Plasma's plasma-shutdown, KDE's helpers) gets the bus's own
environment, not theirs: the fake logind's address and the display go to the bus first, so
that nothing the session starts can reach the machine's own system bus; each process on the
bus is ended by its process number afterwards."""

import contextlib
import os
import re
import signal
import subprocess

import e2e
from fake_session_manager import FakeSessionManager

SESSION_NAME = "reminder-test"
# The session's ends, as their logind callers are named (/proc/PID/comm, 15 characters).
POWER_OFF_CALLERS = {"gnome": "gnome-session-b", "plasma": "plasma-shutdown",
                     "mate": "mate-session", "cinnamon": "cinnamon-sessio",
                     "xfce": "xfce4-session"}
# xfce4-session's session of one client, which tells the session manager's address.
XFCE_SESSION = """<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-session" version="1.0">
  <property name="general" type="empty">
    <property name="SaveOnExit" type="bool" value="false"/>
  </property>
  <property name="sessions" type="empty">
    <property name="Failsafe" type="empty">
      <property name="IsFailsafe" type="bool" value="true"/>
      <property name="Count" type="int" value="1"/>
      <property name="Client0_Command" type="array">
        <value type="string" value="sh"/>
        <value type="string" value="-c"/>
        <value type="string" value="echo &quot;$SESSION_MANAGER&quot; &gt; {address}"/>
      </property>
    </property>
  </property>
</channel>
"""


def bus_call(*args):
    """A method call on the test's session bus; its reply's text, or None on an error."""
    done = subprocess.run(["gdbus", "call", "--session", *args], capture_output=True,
                          text=True, timeout=30)
    return done.stdout.strip() if done.returncode == 0 else None


def bus(method, *args):
    return bus_call("--dest", "org.freedesktop.DBus", "--object-path", "/org/freedesktop/DBus",
                    "--method", f"org.freedesktop.DBus.{method}", *args)


class DesktopSession(e2e.Session):
    """e2e.Session with a desktop's session on its display; `answer` is what the desktop's
    side does when asked to end: "yes", "cancel" or "slow" (the user takes their time).
    The program starts once the session's window manager, if it has one, shows windows."""
    name = None
    window_manager = True

    def __init__(self, logind, *args, answer="yes", **kwargs):
        super().__init__(*args, env={"DBUS_SYSTEM_BUS_ADDRESS": logind.address}, **kwargs)
        self.end_answer = answer
        self.helpers = []
        self.stand_ins = []

    def _start_display(self):
        super()._start_display()
        self.config = self.home / "config"
        self.data = self.home / "data"
        self.session_env = {
            "DISPLAY": self.display, "HOME": str(self.home), "XDG_RUNTIME_DIR": str(self.home),
            "XDG_CONFIG_HOME": str(self.config), "XDG_CONFIG_DIRS": str(self.home / "none"),
            "XDG_DATA_DIRS": f"{self.data}:/usr/share", "GSETTINGS_BACKEND": "keyfile",
            "DBUS_SYSTEM_BUS_ADDRESS": self.extra_env["DBUS_SYSTEM_BUS_ADDRESS"]}
        # Before anything can start a service on the bus.
        subprocess.run(["dbus-update-activation-environment",
                        *(f"{k}={v}" for k, v in self.session_env.items())],
                       check=True, timeout=10)
        self.start_session()
        if self.window_manager:
            self.wait_window_manager(f"{self.name}'s window manager showing windows")

    def start_session(self):
        raise NotImplementedError

    def write(self, relative, text, folder=None):
        path = (folder or self.config) / relative
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(text)
        return path

    def run(self, *argv, env=None):
        self.helpers.append(subprocess.Popen(
            argv, env={**os.environ, **self.session_env, **(env or {})},
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))

    def wait_for(self, condition, what):
        return self.wait(condition, what, timeout=30, while_running=False)

    def join(self, address):
        """Starts the program, and a program of the session that, asked before the session
        ends, takes 2 s and lets it go, or cancels it ("cancel"), in the session at `address`
        (X session protocol)."""
        self.extra_env["SESSION_MANAGER"] = address
        self.asked = self.home / "client-asked"
        self.run(str(self.tools / "session-client"), str(self.asked),
                 "cancel" if self.end_answer == "cancel" else "agree", "2",
                 env={"SESSION_MANAGER": address, "QT_QPA_PLATFORM": "xcb"})

    def autostarted_address(self):
        """The session's address, as a program that it starts at login sees it."""
        address = self.home / "session-manager"
        self.write("autostart/session-address.desktop", "\n".join([
            "[Desktop Entry]", "Type=Application", "Name=Session address",
            f"Exec=sh -c 'echo \"$SESSION_MANAGER\" > {address}'", ""]))
        return address

    def __exit__(self, *exc):
        for helper in reversed(self.helpers):
            e2e.end(helper)
        for stand_in in self.stand_ins:
            stand_in.__exit__()
        self.end_bus_started()
        return super().__exit__(*exc)

    def end_bus_started(self):
        """Ends every other process on the test's session bus (what the bus started) by its
        process number: the bus is the test's own, so none of them is the machine's."""
        for name in re.findall(r"'(:[0-9.]+)'", bus("ListNames") or ""):
            pid = int(re.findall(r"\d+", bus("GetConnectionUnixProcessID", name) or "0")[-1])
            if pid not in (0, os.getpid()):
                with contextlib.suppress(ProcessLookupError):
                    os.kill(pid, signal.SIGTERM)


class Gnome(DesktopSession):
    """gnome-session with openbox, GNOME's logout prompt on, and the shell's end-session
    dialog a stand-in that confirms or cancels."""
    name = "gnome"

    def start_session(self):
        self.write(f"gnome-session/sessions/{SESSION_NAME}.session",
                   "[GNOME Session]\nName=Reminder test\nRequiredComponents=openbox;\n",
                   self.data)
        self.write("glib-2.0/settings/keyfile", "[org/gnome/gnome-session]\nlogout-prompt=true\n")
        dialog = FakeSessionManager(self.home, "gnome-shell",
                                    {"cancel": "error"}.get(self.end_answer, self.end_answer))
        self.stand_ins.append(dialog.__enter__())
        self.run("/usr/libexec/gnome-session-binary", "--builtin", f"--session={SESSION_NAME}")
        self.wait_for(lambda: bus_call("--dest", "org.gnome.SessionManager", "--object-path",
                                       "/org/gnome/SessionManager", "--method",
                                       "org.gnome.SessionManager.IsSessionRunning") == "(true,)",
                      "gnome-session running")


class Mate(DesktopSession):
    """mate-session with openbox its only component, MATE's logout prompt off, and a program
    of the session (join)."""
    name = "mate"

    def start_session(self):
        address = self.autostarted_address()
        self.write("glib-2.0/settings/keyfile", "\n".join([
            "[org/mate/desktop/session]", "logout-prompt=false",
            "required-components-list=['windowmanager']", "default-session=@as []",
            "gnome-compat-startup=@as []", "[org/mate/desktop/session/required-components]",
            "windowmanager='openbox'", ""]))
        self.run("mate-session")
        self.wait_for(lambda: address.exists() and address.read_text().strip(), "mate-session")
        self.join(address.read_text().strip())


class Cinnamon(DesktopSession):
    """cinnamon-session with openbox its only component, and a program of the session."""
    name = "cinnamon"

    def start_session(self):
        address = self.autostarted_address()
        self.write(f"cinnamon-session/sessions/{SESSION_NAME}.session",
                   "[Cinnamon Session]\nName=Reminder test\nRequiredComponents=openbox;\n",
                   self.data)
        self.run("cinnamon-session", f"--session={SESSION_NAME}")
        self.wait_for(lambda: address.exists() and address.read_text().strip(),
                      "cinnamon-session")
        self.join(address.read_text().strip())


class Plasma(DesktopSession):
    """KWin and ksmserver, and a program of the session (join)."""
    name = "plasma"

    def start_session(self):
        self.run("kwin_x11", "--replace")
        self.wait_for(lambda: bus("NameHasOwner", "org.kde.KWin") == "(true,)", "KWin")
        self.run("ksmserver", "--no-lockscreen")
        address = self.home / f"KSMserver__{self.display.lstrip(':')}"
        self.wait_for(lambda: address.exists() and address.read_text().split(), "ksmserver")
        self.join(address.read_text().split()[0])


class Xfce(DesktopSession):
    """xfce4-session with a session of one client, which tells its address, and a program of
    the session (join); no window manager."""
    name = "xfce"
    window_manager = False

    def start_session(self):
        address = self.home / "session-manager"
        self.write("xfce4/xfconf/xfce-perchannel-xml/xfce4-session.xml",
                   XFCE_SESSION.format(address=address))
        self.run("xfce4-session")
        self.wait_for(lambda: address.exists() and address.read_text().strip(), "xfce4-session")
        self.join(address.read_text().strip())


DESKTOPS = {desktop.name: desktop for desktop in (Gnome, Mate, Cinnamon, Plasma, Xfce)}
