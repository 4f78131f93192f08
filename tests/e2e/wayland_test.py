"""The program on Wayland, under weston's headless compositor, which leaves title bars to the
programs (the screenshots show the program's own). A 1-minute countdown driven through the
accessibility interface alone, the main window minimised, ends in the Time Up window, the box
and one notification although the sound server hangs meanwhile; the sound comes once it goes on."""

import os
import shutil
import signal
import struct
import subprocess
import zlib

import desktop
import e2e

SOCKET = "wayland-reminder"


class WaylandSession(desktop.DesktopSession):
    """weston instead of Xvfb and a window manager; --debug lets weston-screenshooter in."""

    def _start_window_manager(self):
        self.display = ""
        self.wayland = {**os.environ, "XDG_RUNTIME_DIR": str(self.home), "WAYLAND_DISPLAY": SOCKET}
        self.manager = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", "--use-pixman", f"--socket={SOCKET}",
             "--idle-time=0", "--no-config", "--debug"],
            env=self.wayland, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.wait(lambda: (self.home / SOCKET).exists(), "weston", while_running=False)
        self.extra_env.update({"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": SOCKET})

    def screenshot(self, name):
        subprocess.run(["weston-screenshooter"], env=self.wayland, cwd=self.home, check=True)
        shutil.move(next(self.home.glob("wayland-screenshot*.png")), self.out / f"{name}.png")
        return True


def pixels(path):
    """The pixels of a PNG screenshot, row after row, as bytes of 3 (RGB) or 4 (RGBA) a pixel."""
    data, at, idat = path.read_bytes(), 8, b""
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        if kind == b"IHDR":
            width, height, _, colour = struct.unpack(">IIBB", data[at + 8:at + 18])
        elif kind == b"IDAT":
            idat += data[at + 8:at + 8 + length]
        at += 12 + length
    step = 4 if colour == 6 else 3
    raw, stride = zlib.decompress(idat), width * step
    out, prior = bytearray(), bytearray(stride)
    for y in range(height):  # undo each row's filter
        kind, row = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a, b = row[i - step] if i >= step else 0, prior[i]
            c = prior[i - step] if i >= step else 0
            p = a + b - c
            near = a if abs(p - a) <= min(abs(p - b), abs(p - c)) else b if abs(p - b) <= abs(p - c) else c
            row[i] = (row[i] + (0, a, b, (a + b) // 2, near)[kind]) & 255
        out += row
        prior = row
    return step, bytes(out)


def changed(before, after):
    """How many pixels differ between two screenshots of the same screen."""
    (step, one), (_, other) = pixels(before), pixels(after)
    return sum(one[at:at + step] != other[at:at + step] for at in range(0, len(one), step))


def press(s, window, role, name):  # through its accessible action, as a switch device would
    s.wait(lambda: s.find_all(window, role, name), f"{role} '{name}'")[0].queryAction().doAction(0)


def test(args):
    with WaylandSession(args, "weston") as s:
        main = s.window(e2e.APP)
        s.screenshot("main-window")
        s.find(main, "text", "Insert Minute").queryEditableText().setTextContents("1")
        press(s, main, "push button", "Start")
        press(s, s.window("Exit", holding=("label", "Turn on Auto Shutdown ?")), "push button",
              "No")
        press(s, main, "menu item", "Minimize")
        # The compositor takes the window off the screen: most of its 362 x 443 pixels change.
        s.wait(lambda: s.screenshot("minimised") and
               changed(s.out / "main-window.png", s.out / "minimised.png") > 100_000,
               "the main window minimised", timeout=30)
        s.sound.daemon.send_signal(signal.SIGSTOP)

        e2e.wait_time_up(s, timeout=75)
        s.wait(lambda: s.notifications.calls("Notify"), "the Time Up notification")
        s.screenshot("time-up")
        notify = [(c["summary"], c["body"], c["hints"].get("urgency"))
                  for c in s.notifications.calls("Notify")]
        e2e.check(notify == [("Time Up", "Time Set to 1 Minute", 2)], f"notified {notify}")
        s.sound.daemon.send_signal(signal.SIGCONT)
        s.wait(lambda: s.sound.streams() == 1, "the Time Up sound once the server goes on")


e2e.run(test)
