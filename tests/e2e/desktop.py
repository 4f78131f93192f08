"""The desktop around the program, for the tests of the Time Up notice: a real window
manager on the test's display, a full-screen program in front, a sound server with a null
sink that counts the streams played, and a recording notification service on the test's
session bus. X is read with xprop and xwininfo.

    with desktop.DesktopSession(args, "xfwm4") as s:
        clock = s.full_screen_program()
        ...
        s.stacking()                  # client windows, bottom to top
        s.sound.streams()             # streams the sound server was given
        s.notifications.calls("Notify")

Debian packages: openbox, metacity, xfwm4, mutter, kwin-x11, wmctrl, x11-apps (xclock),
x11-utils, pulseaudio and pulseaudio-utils, python3-dbus, python3-gi."""

import json
import os
import pathlib
import re
import subprocess
import sys
import threading

import e2e

WINDOW_MANAGERS = {
    "openbox": ["openbox", "--sm-disable"],
    "metacity": ["metacity", "--sm-disable", "--no-composite"],
    "xfwm4": ["xfwm4", "--compositor=off", "--sm-client-disable"],
    # GNOME's and KDE's, for X11 programs and under Xwayland; KWin composites only with GL.
    "mutter": ["mutter", "--x11", "--replace", "--sm-disable"],
    "kwin": ["env", "KWIN_COMPOSE=N", "kwin_x11", "--replace"],
}
HERE = pathlib.Path(__file__).resolve().parent


def window_manager():
    """The window manager the test runs under, as ctest names it in the environment."""
    name = os.environ.get("REMINDER_WINDOW_MANAGER", "")
    e2e.check(name in WINDOW_MANAGERS, f"REMINDER_WINDOW_MANAGER '{name}' is none of "
                                       f"{sorted(WINDOW_MANAGERS)}")
    return name


class SoundServer:
    """PulseAudio with a null sink only, on a socket of its own; `streams()` counts the
    playback streams it was given since it started."""

    def __init__(self, folder):
        self.folder = folder
        self.socket = folder / "native"
        self.env = {**os.environ, "PULSE_RUNTIME_PATH": str(folder),
                    "PULSE_STATE_PATH": str(folder), "PULSE_SERVER": f"unix:{self.socket}"}
        self.daemon = subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
             "--log-target=stderr", "--log-level=error",
             "-L", "module-null-sink sink_name=reminder_null",
             "-L", f"module-native-protocol-unix auth-anonymous=1 socket={self.socket}"],
            env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.events = []
        self.watcher = None

    def wait_ready(self, session):
        session.wait(lambda: subprocess.run(["pactl", "info"], env=self.env,
                                            capture_output=True).returncode == 0,
                     "the sound server", while_running=False)
        self.watcher = subprocess.Popen(["pactl", "subscribe"], env=self.env,
                                        stdout=subprocess.PIPE, text=True)
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.watcher.stdout:
            self.events.append(line.strip())

    def streams(self):
        return sum(1 for event in self.events if event.startswith("Event 'new' on sink-input"))

    def stop(self):
        for proc in (self.watcher, self.daemon):
            e2e.end(proc)


class NotificationService:
    """The recording stand-in of notification_service.py on the session bus."""

    def __init__(self, folder):
        self.log = folder / "notifications.jsonl"
        self.log.touch()
        self.service = subprocess.Popen([sys.executable, str(HERE / "notification_service.py"),
                                         str(self.log)])

    def wait_ready(self, session):
        session.wait(lambda: self.calls("ready"), "the notification service",
                     while_running=False)

    def calls(self, name):
        lines = self.log.read_text(encoding="utf-8").splitlines()
        return [call for call in map(json.loads, lines) if call["call"] == name]

    def stop(self):
        e2e.end(self.service)


class DesktopSession(e2e.Session):
    """A session whose display has a window manager, a sound server and a notification
    service from before the program starts."""

    def __init__(self, args, window_manager, **kwargs):
        super().__init__(args.binary, args.tools, args.out, **kwargs)
        self.window_manager = window_manager
        self.manager = None
        self.others = []
        self.sound = None
        self.notifications = None

    def _start_window_manager(self):
        super()._start_display()
        # What the window manager starts on the session bus (KWin's shortcuts) needs it too.
        subprocess.run(["dbus-update-activation-environment", f"DISPLAY={self.display}"],
                       check=True, timeout=10)
        self.manager = subprocess.Popen(WINDOW_MANAGERS[self.window_manager],
                                        env={**os.environ, "DISPLAY": self.display,
                                             "HOME": str(self.home)},
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.wait_window_manager(f"{self.window_manager} managing the display")

    def _start_display(self):
        self._start_window_manager()
        self.sound = SoundServer(self.home)
        self.notifications = NotificationService(self.home)
        self.sound.wait_ready(self)
        self.notifications.wait_ready(self)
        self.extra_env["PULSE_SERVER"] = self.sound.env["PULSE_SERVER"]

    def __exit__(self, *exc):
        for helper in (self.sound, self.notifications):
            if helper:
                helper.stop()
        for proc in self.others + [self.manager]:
            e2e.end(proc)
        return super().__exit__(*exc)

    # -- reading X ----------------------------------------------------------------------
    def _xprop(self, *args):
        return subprocess.run(["xprop", *map(str, args)], capture_output=True, text=True,
                              env={**os.environ, "DISPLAY": self.display}, timeout=10).stdout

    def root_windows(self, prop):
        """The windows a property of the root window lists (the stacking: bottom to top)."""
        return [int(w, 16) for w in re.findall(r"0x[0-9a-f]+", self._xprop("-root", prop))]

    def stacking(self):
        return self.root_windows("_NET_CLIENT_LIST_STACKING")

    def active(self):
        found = self.root_windows("_NET_ACTIVE_WINDOW")
        return found[0] if found else None

    def states(self, window):
        """The window's _NET_WM_STATE, without the prefix: FULLSCREEN, ABOVE, HIDDEN ..."""
        return set(re.findall(r"_NET_WM_STATE_(\w+)", self._xprop("-id", window,
                                                                  "_NET_WM_STATE")))

    def iconic(self, window):
        """Whether the window is minimised, as the window manager says in its WM_STATE."""
        return "window state: Iconic" in self._xprop("-id", window, "WM_STATE")

    def title(self, window):
        """The window's _NET_WM_NAME, or None when it has none."""
        found = re.search(r'= (?:"(.*)")?$', self._xprop("-id", window, "_NET_WM_NAME"))
        return (found.group(1) or "") if found else None

    def transient_for(self, window):
        """The window that owns `window` (its WM_TRANSIENT_FOR), or None."""
        found = re.search(r"0x[0-9a-f]+", self._xprop("-id", window, "WM_TRANSIENT_FOR"))
        return int(found.group(0), 16) if found else None

    def viewable(self, window):
        info = subprocess.run(["xwininfo", "-id", str(window)], capture_output=True, text=True,
                              env={**os.environ, "DISPLAY": self.display}).stdout
        return "IsViewable" in info

    def clients_of_size(self, size):
        return [w for w in self.root_windows("_NET_CLIENT_LIST")
                if self.geometry(w)[2:] == size]

    # -- acting -------------------------------------------------------------------------
    def wmctrl(self, *args):
        subprocess.run(["wmctrl", *map(str, args)], check=True, timeout=10,
                       env={**os.environ, "DISPLAY": self.display})

    def full_screen_program(self):
        """xclock, made full screen and activated in front of everything; its window. It
        takes the keyboard, as a game does (xclock's own default refuses it)."""
        clock = subprocess.Popen(["xclock", "-update", "1", "-xrm", "xclock.input: true"],
                                 env={**os.environ, "DISPLAY": self.display})
        self.others.append(clock)
        window = self.wait_window("xclock")
        self.wmctrl("-i", "-r", window, "-b", "add,fullscreen")
        self.to_front(window)
        return window

    def to_front(self, program):
        """Activates the full-screen program again, in front of everything."""
        self.wmctrl("-i", "-a", program)
        self.wait(lambda: "FULLSCREEN" in self.states(program) and self.active() == program,
                  "xclock full screen and active")
