"""A private Xvfb for the measured programs, and watchers that see their windows being mapped
and unmapped.

The watchers are plain X clients (libX11 through ctypes) listening for MapNotify and
UnmapNotify on the root window, so they report each the moment the server makes it, without
polling and without spending CPU that the measured program would then compete with.
"""

import ctypes
import ctypes.util
import os
import select
import subprocess
import threading
import time
from dataclasses import dataclass
from typing import Optional

_UNMAP_NOTIFY = 18
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


# MapNotify and UnmapNotify share this layout; the last field of an unmap is from_configure.
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
    xlib.XGetGeometry.argtypes = [
        ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
        ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int),
        ctypes.POINTER(ctypes.c_uint), ctypes.POINTER(ctypes.c_uint),
        ctypes.POINTER(ctypes.c_uint), ctypes.POINTER(ctypes.c_uint)]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    xlib.XSetErrorHandler.argtypes = [_ERROR_HANDLER]
    return xlib


# A window may vanish between its map and our look at it: that is no reason to die.
_IGNORE_ERRORS = _ERROR_HANDLER(lambda _display, _error: 0)


def _connect(xlib: ctypes.CDLL, display: str) -> tuple[int, int]:
    """A connection that hears every map and unmap of a top-level window, and the atom of
    _NET_WM_PID."""
    xlib.XSetErrorHandler(_IGNORE_ERRORS)
    connection = xlib.XOpenDisplay(display.encode())
    if not connection:
        raise RuntimeError(f"cannot connect to {display}")
    xlib.XSelectInput(connection, xlib.XDefaultRootWindow(connection),
                      _SUBSTRUCTURE_NOTIFY_MASK)
    xlib.XSync(connection, 0)
    return connection, xlib.XInternAtom(connection, b"_NET_WM_PID", 0)


def _window_pid(xlib: ctypes.CDLL, connection: int, pid_atom: int,
                window: int) -> Optional[int]:
    actual_type, actual_format = ctypes.c_ulong(), ctypes.c_int()
    count, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
    status = xlib.XGetWindowProperty(
        connection, window, pid_atom, 0, 1, 0, _XA_CARDINAL,
        ctypes.byref(actual_type), ctypes.byref(actual_format), ctypes.byref(count),
        ctypes.byref(after), ctypes.byref(data))
    if status != 0 or not data.value:
        return None
    try:
        # Format 32 items come as C longs.
        return ctypes.cast(data, ctypes.POINTER(ctypes.c_long))[0] if count.value else None
    finally:
        xlib.XFree(data)


def _title(xlib: ctypes.CDLL, connection: int, window: int) -> str:
    name = ctypes.c_char_p()
    if not xlib.XFetchName(connection, window, ctypes.byref(name)) or not name.value:
        return ""
    title = name.value.decode("latin-1")
    xlib.XFree(ctypes.cast(name, ctypes.c_void_p))
    return title


def _size(xlib: ctypes.CDLL, connection: int, window: int) -> tuple[int, int]:
    root, x, y = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_int()
    width, height, border, depth = (ctypes.c_uint() for _ in range(4))
    if not xlib.XGetGeometry(connection, window, ctypes.byref(root), ctypes.byref(x),
                             ctypes.byref(y), ctypes.byref(width), ctypes.byref(height),
                             ctypes.byref(border), ctypes.byref(depth)):
        return 0, 0
    return width.value, height.value


class MapWatcher:
    """Connects before the program starts, so no map can be missed. With `unmanaged`, windows
    that bypass the window manager count too (Wine's, when it draws their frames itself), and
    only one titled `title`."""

    def __init__(self, display: str, unmanaged: bool = False, title: Optional[str] = None):
        self._xlib = _load_xlib()
        self._display, self._pid_atom = _connect(self._xlib, display)
        self._unmanaged = unmanaged
        self._wanted_title = title

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
                if event.type != _MAP_NOTIFY or (event.xmap.override_redirect
                                                 and not self._unmanaged):
                    continue  # menus and tooltips do not count
                window = event.xmap.window
                if _window_pid(self._xlib, self._display, self._pid_atom, window) != process.pid:
                    continue
                title = _title(self._xlib, self._display, window)
                if self._wanted_title is None or title == self._wanted_title:
                    return mapped_at, title
            if process.poll() is not None:
                raise RuntimeError(f"{process.args[0]} ended ({process.returncode}) before mapping")
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                raise RuntimeError(f"{process.args[0]} mapped no window in {timeout_s} s")
            select.select([self._xlib.XConnectionNumber(self._display)], [], [],
                          min(remaining, 0.2))


@dataclass(frozen=True)
class WindowEvent:
    kind: str  # "map" or "unmap"
    window: int
    title: str
    size: tuple[int, int]
    monotonic: float
    realtime: float  # time.time(), for comparing with the wall clock the program shows


class WindowLog:
    """Every map and unmap of the top-level windows of one process, each stamped as it
    arrives. A thread of its own waits on the X connection, so the stamps stay right while
    the caller drives the program with xdotool or sleeps."""

    def __init__(self, display: str, pid: int):
        self._xlib = _load_xlib()
        self._display, self._pid_atom = _connect(self._xlib, display)
        self._pid = pid
        self._events: list[WindowEvent] = []
        self._known: dict[int, tuple[str, tuple[int, int]]] = {}
        self._changed = threading.Condition()
        self._stop_read, self._stop_write = os.pipe()
        self._thread = threading.Thread(target=self._listen, daemon=True)
        self._thread.start()

    def close(self) -> None:
        os.write(self._stop_write, b"x")
        self._thread.join()
        self._xlib.XCloseDisplay(self._display)
        os.close(self._stop_read)
        os.close(self._stop_write)

    def mark(self) -> int:
        """A place in the log: wait() after it sees only later events."""
        with self._changed:
            return len(self._events)

    def wait(self, kind: str, title: str, after: int, timeout_s: float) -> WindowEvent:
        """The first `kind` event of a window titled `title` logged after the mark `after`."""
        deadline = time.monotonic() + timeout_s
        with self._changed:
            while True:
                for event in self._events[after:]:
                    if event.kind == kind and event.title == title:
                        return event
                remaining = deadline - time.monotonic()
                if remaining <= 0:
                    raise RuntimeError(f"no {kind} of window '{title}' in {timeout_s} s")
                self._changed.wait(remaining)

    def _listen(self) -> None:
        event = _XEvent()
        connection = self._xlib.XConnectionNumber(self._display)
        while True:
            while self._xlib.XPending(self._display):
                self._xlib.XNextEvent(self._display, ctypes.byref(event))
                stamps = time.monotonic(), time.time()
                self._note(event, *stamps)
            ready, _, _ = select.select([connection, self._stop_read], [], [])
            if self._stop_read in ready:
                return

    def _note(self, event: _XEvent, monotonic: float, realtime: float) -> None:
        # A synthetic unmap (send_event) repeats the real one, for window managers.
        if event.xmap.send_event or event.xmap.override_redirect:
            return
        window = event.xmap.window
        if event.type == _MAP_NOTIFY:
            if _window_pid(self._xlib, self._display, self._pid_atom, window) != self._pid:
                return
            self._known[window] = (_title(self._xlib, self._display, window),
                                   _size(self._xlib, self._display, window))
            kind = "map"
        elif event.type == _UNMAP_NOTIFY and window in self._known:
            kind = "unmap"
        else:
            return
        title, size = self._known[window]
        with self._changed:
            self._events.append(WindowEvent(kind, window, title, size, monotonic, realtime))
            self._changed.notify_all()


class _XRectangle(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                ("width", ctypes.c_ushort), ("height", ctypes.c_ushort)]


class _XDamageNotifyEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("drawable", ctypes.c_ulong),
                ("damage", ctypes.c_ulong), ("level", ctypes.c_int), ("more", ctypes.c_int),
                ("timestamp", ctypes.c_ulong), ("area", _XRectangle),
                ("geometry", _XRectangle)]


_DAMAGE_REPORT_RAW_RECTANGLES = 0


@dataclass(frozen=True)
class Drawing:
    realtime: float
    area: tuple[int, int, int, int]  # x, y, width, height in the window


def drawings(display: str, window: int, seconds: float) -> list[Drawing]:
    """Every drawing that changed `window`'s contents during the next `seconds`, as the
    server's DAMAGE extension reports them: what the program really repainted."""
    xlib = _load_xlib()
    damage = ctypes.CDLL(ctypes.util.find_library("Xdamage") or "libXdamage.so.1")
    damage.XDamageQueryExtension.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                             ctypes.POINTER(ctypes.c_int)]
    damage.XDamageCreate.restype = ctypes.c_ulong
    damage.XDamageCreate.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int]
    damage.XDamageDestroy.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    connection, _pid_atom = _connect(xlib, display)
    try:
        event_base, error_base = ctypes.c_int(), ctypes.c_int()
        if not damage.XDamageQueryExtension(connection, ctypes.byref(event_base),
                                            ctypes.byref(error_base)):
            raise RuntimeError("the X server has no DAMAGE extension")
        handle = damage.XDamageCreate(connection, window, _DAMAGE_REPORT_RAW_RECTANGLES)
        xlib.XSync(connection, 0)
        # With the first real drawing the server also reports the whole window, once, for
        # any program (the reference window too): that is no drawing of the program's.
        whole = (0, 0, *_size(xlib, connection, window))
        found, event = [], _XEvent()
        deadline = time.monotonic() + seconds
        while (remaining := deadline - time.monotonic()) > 0:
            select.select([xlib.XConnectionNumber(connection)], [], [], remaining)
            while xlib.XPending(connection):
                xlib.XNextEvent(connection, ctypes.byref(event))
                stamp = time.time()
                if event.type == event_base.value:  # XDamageNotify
                    area = ctypes.cast(ctypes.byref(event),
                                       ctypes.POINTER(_XDamageNotifyEvent))[0].area
                    rectangle = (area.x, area.y, area.width, area.height)
                    if rectangle == whole and not found:
                        whole = None
                        continue
                    found.append(Drawing(stamp, rectangle))
        damage.XDamageDestroy(connection, handle)
        return found
    finally:
        xlib.XCloseDisplay(connection)
