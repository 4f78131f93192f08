"""The program driven through its real window with the end-to-end tests' harness
(tests/e2e/e2e.py: a private Xvfb, recording stand-ins for the system commands, xdotool), but
without the accessibility bus, whose bridge would add to what is measured: controls are
found by their places in the window definitions. With a log of the windows' maps and unmaps
stamped as the server makes them."""

import contextlib
import sys
import tempfile
from pathlib import Path
from typing import Iterator

from .build import REPO
from .display import WindowLog

sys.path.insert(0, str(REPO / "tests" / "e2e"))
import e2e  # noqa: E402

MAIN_TITLE = "KAVELTO Time Reminder"
# The Time Up window has no title.
TIME_UP_TITLE = ""
# The modal boxes, by their titles: the auto shutdown question and the "Time Up" notice.
QUESTION_TITLE = "Exit"
NOTICE_TITLE = "Stop"
# The caret blinks for 5 s after the start or the last key press or click, then rests: CPU
# is measured from this long after either.
SETTLE_S = 6.0

# The main window's client area is 5430 x 6375 twips; the menu bar sits above it.
TWIPS_PER_PIXEL = 15
MAIN_CLIENT_HEIGHT = 425
# Controls of the main window in twips (left, top, width, height): the countdown's ...
MINUTES = (600, 720, 615, 285)
COUNTDOWN_START = (360, 1200, 855, 255)
# ... and the alarm's.
HOUR = (2640, 2520, 375, 285)
MINUTE = (3240, 2520, 375, 285)
SECOND = (3840, 2520, 375, 285)
AM = (4440, 2520, 375, 315)
PM = (4800, 2520, 375, 315)
ALARM_START = (360, 3120, 855, 255)
# The Time Up window is known by its size in pixels. Its OK picture in twips.
TIME_UP_SIZE = (492, 283)
TIME_UP_OK = (480, 3120, 960, 705)


@contextlib.contextmanager
def driven(program: Path) -> Iterator[tuple[e2e.Session, WindowLog, int]]:
    """The program running on its own X server: the session that drives it, the log of its
    windows from its main window's map on, and that window."""
    with tempfile.TemporaryDirectory(prefix="reminder-bench-") as scratch:
        # LANG en_US.UTF-8: the clock reads "9:05:03 PM", the alarm takes AM or PM.
        with e2e.Session(program, tools=scratch, out=scratch, accessible=False) as session:
            main = session.wait_window(MAIN_TITLE)
            log = WindowLog(session.display, session.app.pid)
            try:
                yield session, log, main
            finally:
                log.close()


def click_control(session: e2e.Session, window: int, rect: tuple,
                  client_height: int = MAIN_CLIENT_HEIGHT) -> None:
    """Clicks the middle of a control given by its twips rectangle (left, top, w, h) in a
    window's client area, which sits below its menu bar, if it has one."""
    left, top, width, height = rect
    x, y, _, window_height = session.geometry(window)
    session.click_at(x + (left + width // 2) // TWIPS_PER_PIXEL,
                     y + window_height - client_height + (top + height // 2) // TWIPS_PER_PIXEL)


def ok_box(session: e2e.Session, title: str) -> None:
    session.key("Return")
    session.wait_gone(title)


def start_countdown(session: e2e.Session, main: int, minutes: str) -> None:
    """Types the minutes, presses Start and answers No to auto shutdown."""
    click_control(session, main, MINUTES)
    session.type(minutes)
    click_control(session, main, COUNTDOWN_START)
    session.wait_window(QUESTION_TITLE)
    session.key("Escape")
    session.wait_gone(QUESTION_TITLE)


def arm_alarm(session: e2e.Session, main: int, at) -> None:
    """Types the time `at` (a time.struct_time) into the alarm's entry on a 12-hour clock,
    picks AM or PM, presses Start and answers No to auto shutdown."""
    for field, value in ((HOUR, f"{at.tm_hour % 12 or 12}"), (MINUTE, f"{at.tm_min:02d}"),
                         (SECOND, f"{at.tm_sec:02d}")):
        click_control(session, main, field)
        session.type(value)
    click_control(session, main, AM if at.tm_hour < 12 else PM)
    click_control(session, main, ALARM_START)
    session.wait_window(QUESTION_TITLE)
    session.key("Escape")
    session.wait_gone(QUESTION_TITLE)


def time_up_windows(session: e2e.Session) -> list[int]:
    return [w for w in session.find_windows("") if session.geometry(w)[2:] == TIME_UP_SIZE]


def put_notice_away(session: e2e.Session) -> None:
    """OKs the "Time Up" box and clicks the Time Up window's OK picture."""
    ok_box(session, NOTICE_TITLE)
    click_control(session, time_up_windows(session)[0], TIME_UP_OK, TIME_UP_SIZE[1])
    session.wait(lambda: not time_up_windows(session), "the Time Up window put away")
