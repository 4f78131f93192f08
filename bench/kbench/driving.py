"""The program driven through its real window, as the end-to-end tests drive it (their
tests/e2e/e2e.py: a private Xvfb, recording stand-ins for the system commands, xdotool), with
a log of its windows' maps and unmaps stamped as the server makes them."""

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


@contextlib.contextmanager
def driven(program: Path) -> Iterator[tuple[e2e.Session, WindowLog, int]]:
    """The program running on its own X server: the session that drives it, the log of its
    windows from its main window's map on, and that window."""
    with tempfile.TemporaryDirectory(prefix="reminder-bench-") as scratch:
        # LANG en_US.UTF-8: the clock reads "9:05:03 PM", the alarm takes AM or PM.
        with e2e.Session(program, tools=scratch, out=scratch) as session:
            main = session.wait_window(MAIN_TITLE)
            log = WindowLog(session.display, session.app.pid)
            try:
                yield session, log, main
            finally:
                log.close()


def put_notice_away(session: e2e.Session) -> None:
    """OKs the "Time Up" box and clicks the Time Up window's OK picture."""
    e2e.ok_box(session, NOTICE_TITLE)
    e2e.put_time_up_away(session)
