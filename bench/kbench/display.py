"""A private Xvfb for the measured programs, and a watcher that sees their windows being mapped.

The watcher is a plain X client (libX11 through ctypes) listening for MapNotify on the root
window, so it reports the map the moment the server makes it, without polling and without
spending CPU that the measured program would then compete with.
"""

import ctypes
import ctypes.util
import os
import select
import subprocess
import time
from typing import Optional

_MAP_NOTIFY = 19
_SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
_XA_CARDINAL = 6


class Xvfb:
    """An X server on the first free display, alive for the `with` block."""

    def __enter__(self) -> "Xvfb":
        read_end, write_end = os.pipe()
        self._server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            self._server.kill()
            raise RuntimeError("Xvfb did not start")
        self.display = f":{number}"
        return self

    def __exit__(self, *exc) -> None:
        self._server.terminate()
        self._server.wait()


class _XMapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong),
                ("window", ctypes.c_ulong), ("override_redirect", ctypes.c_int)]


class _XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xmap", _XMapEvent), ("pad", ctypes.c_long * 24)]


_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)


def _load_xlib() -> ctypes.CDLL:
    xlib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XDefaultRootWindow.restype = ctypes.c_ulong
    xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    xlib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    xlib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    xlib.XPending.argtypes = [ctypes.c_void_p]
    xlib.XConnectionNumber.argtypes = [ctypes.c_void_p]
    xlib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(_XEvent)]
    xlib.XInternAtom.restype = ctypes.c_ulong
    xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    xlib.XGetWindowProperty.argtypes = [
        ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long,
        ctypes.c_int, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
        ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
        ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]
    xlib.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)]
    xlib.XFree.argtypes = [ctypes.c_void_p]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    xlib.XSetErrorHandler.argtypes = [_ERROR_HANDLER]
    return xlib


class MapWatcher:
    """Connects before the program starts, so no map can be missed."""

    def __init__(self, display: str):
        self._xlib = _load_xlib()
        # A window may vanish between its map and our look at it: that is no reason to die.
        self._ignore_errors = _ERROR_HANDLER(lambda _display, _error: 0)
        self._xlib.XSetErrorHandler(self._ignore_errors)
        self._display = self._xlib.XOpenDisplay(display.encode())
        if not self._display:
            raise RuntimeError(f"cannot connect to {display}")
        root = self._xlib.XDefaultRootWindow(self._display)
        self._xlib.XSelectInput(self._display, root, _SUBSTRUCTURE_NOTIFY_MASK)
        self._xlib.XSync(self._display, 0)
        self._pid_atom = self._xlib.XInternAtom(self._display, b"_NET_WM_PID", 0)

    def close(self) -> None:
        self._xlib.XCloseDisplay(self._display)

    def wait_for_window(self, process: subprocess.Popen, timeout_s: float) -> tuple[float, str]:
        """Monotonic time at which a top-level window of `process` was mapped, and its title."""
        deadline = time.monotonic() + timeout_s
        event = _XEvent()
        while True:
            while self._xlib.XPending(self._display):
                self._xlib.XNextEvent(self._display, ctypes.byref(event))
                mapped_at = time.monotonic()
                if event.type != _MAP_NOTIFY or event.xmap.override_redirect:
                    continue  # menus and tooltips do not count
                if self._window_pid(event.xmap.window) == process.pid:
                    return mapped_at, self._title(event.xmap.window)
            if process.poll() is not None:
                raise RuntimeError(f"{process.args[0]} ended ({process.returncode}) before mapping")
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                raise RuntimeError(f"{process.args[0]} mapped no window in {timeout_s} s")
            select.select([self._xlib.XConnectionNumber(self._display)], [], [],
                          min(remaining, 0.2))

    def _window_pid(self, window: int) -> Optional[int]:
        actual_type, actual_format = ctypes.c_ulong(), ctypes.c_int()
        count, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        status = self._xlib.XGetWindowProperty(
            self._display, window, self._pid_atom, 0, 1, 0, _XA_CARDINAL,
            ctypes.byref(actual_type), ctypes.byref(actual_format), ctypes.byref(count),
            ctypes.byref(after), ctypes.byref(data))
        if status != 0 or not data.value:
            return None
        try:
            # Format 32 items come as C longs.
            return ctypes.cast(data, ctypes.POINTER(ctypes.c_long))[0] if count.value else None
        finally:
            self._xlib.XFree(data)

    def _title(self, window: int) -> str:
        name = ctypes.c_char_p()
        if not self._xlib.XFetchName(self._display, window, ctypes.byref(name)) or not name.value:
            return ""
        title = name.value.decode("latin-1")
        self._xlib.XFree(ctypes.cast(name, ctypes.c_void_p))
        return title
