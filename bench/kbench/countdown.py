"""How exactly a 1-minute countdown ends, and the CPU the program uses while one runs.

The countdown's length is the time from the moment its timers are enabled to the moment its
expiry runs. The program announces neither, so both are read from the X server as the
program's windows come and go:
- start: the auto shutdown question's window unmapped. Answering it returns into Start's
  handler, which enables the timers at once; the unmap reaches the server just before.
- end: the Time Up window mapped, the first thing the expiry shows.
A run starts the program, measures it idle, then runs two countdowns in it, one after the
other. The first expiry also builds the windows the expiry sequence reads (the auto-run and
auto-close pickers, the Time Up window); the second finds them built.

CPU is the time the process spent on a CPU, per minute, first idle and then during the
countdown, both from 6 s after the last key press (the caret rests 5 s after input).
"""

import argparse
import os
import time

from . import procfs
from .build import Binaries
from .driving import (MINUTES, NOTICE_TITLE, QUESTION_TITLE, SETTLE_S, TIME_UP_TITLE,
                      click_control, driven, put_notice_away, start_countdown)
from .results import Metric, at_most, print_table, save, summarise, worst_at_most

METRICS = [
    Metric("error_first_ms", "error, first expiry (ms)", worst_at_most(20, "ms")),
    Metric("error_second_ms", "error, second expiry (ms)", worst_at_most(20, "ms")),
    Metric("notice_after_window_ms", "Time Up box after window (ms)"),
    Metric("idle_cpu_ms", "idle CPU / min (ms)"),
    Metric("idle_cpu_exact_ms", "  same, exact (ms)"),
    Metric("countdown_cpu_ms", "countdown CPU / min (ms)"),
    Metric("countdown_cpu_exact_ms", "  same, exact (ms)"),
    Metric("cpu_ratio", "countdown / idle, exact", at_most(1.5, "x idle")),
]

COUNTDOWN_S = 60.0


def add_arguments(parser: argparse.ArgumentParser) -> None:
    parser.add_argument("--runs", type=int, default=5, help="runs (default 5), 3 min each")
    parser.add_argument("--span", type=float, default=48.0,
                        help="seconds of CPU measured idle and during the countdown "
                             f"(default 48, at most {COUNTDOWN_S - SETTLE_S - 1:g})")


def _sleep_until(moment: float) -> None:
    time.sleep(max(0.0, moment - time.monotonic()))


def _cpu(pid: int) -> tuple[float, float]:
    return procfs.cpu_ms(pid), procfs.cpu_exact_ms(pid)


def _per_minute(before: tuple[float, float], after: tuple[float, float],
                span_s: float) -> tuple[float, float]:
    return tuple((b - a) * 60.0 / span_s for a, b in zip(before, after))


def _countdown(session, log, main, span_s: float = 0.0) -> dict:
    """Starts a 1-minute countdown, answering No, and waits for its end; with `span_s`,
    also measures the CPU used meanwhile."""
    # An earlier countdown leaves its "0" in the field.
    click_control(session, main, MINUTES)
    session.key("ctrl+a", "BackSpace")
    mark = log.mark()
    start_countdown(session, main, "1")
    answered = log.wait("unmap", QUESTION_TITLE, mark, timeout_s=10)
    figures = {}
    if span_s:
        _sleep_until(answered.monotonic + SETTLE_S)
        before = _cpu(session.app.pid)
        _sleep_until(answered.monotonic + SETTLE_S + span_s)
        figures["countdown_cpu_ms"], figures["countdown_cpu_exact_ms"] = _per_minute(
            before, _cpu(session.app.pid), span_s)
    time_up = log.wait("map", TIME_UP_TITLE, mark, timeout_s=COUNTDOWN_S + 10)
    notice = log.wait("map", NOTICE_TITLE, mark, timeout_s=10)
    put_notice_away(session)
    figures["error_ms"] = (time_up.monotonic - answered.monotonic - COUNTDOWN_S) * 1000
    figures["notice_after_window_ms"] = (notice.monotonic - time_up.monotonic) * 1000
    return figures


def _measure_once(program, span_s: float) -> dict:
    with driven(program) as (session, log, main):
        pid = session.app.pid
        _sleep_until(session.started_at + SETTLE_S)
        before = _cpu(pid)
        time.sleep(span_s)
        idle_cpu_ms, idle_cpu_exact_ms = _per_minute(before, _cpu(pid), span_s)
        first = _countdown(session, log, main, span_s)
        second = _countdown(session, log, main)
    return {
        "error_first_ms": first["error_ms"],
        "error_second_ms": second["error_ms"],
        "notice_after_window_ms": first["notice_after_window_ms"],
        "idle_cpu_ms": idle_cpu_ms,
        "idle_cpu_exact_ms": idle_cpu_exact_ms,
        "countdown_cpu_ms": first["countdown_cpu_ms"],
        "countdown_cpu_exact_ms": first["countdown_cpu_exact_ms"],
        "cpu_ratio": first["countdown_cpu_exact_ms"] / idle_cpu_exact_ms,
        "second_notice_after_window_ms": second["notice_after_window_ms"],
    }


def run(binaries: Binaries, args: argparse.Namespace) -> None:
    if not 0 < args.span <= COUNTDOWN_S - SETTLE_S - 1:
        raise SystemExit(f"--span must lie between 0 and {COUNTDOWN_S - SETTLE_S - 1:g} s")
    loads = [os.getloadavg()[0]]
    runs = []
    print(f"{args.runs} runs, about {args.runs * 3} min")
    for number in range(1, args.runs + 1):
        result = _measure_once(binaries.program, args.span)
        runs.append(result)
        print(f"  run {number}  error {result['error_first_ms']:+6.1f} ms first, "
              f"{result['error_second_ms']:+6.1f} ms second;  CPU / min "
              f"idle {result['idle_cpu_exact_ms']:5.1f}, "
              f"counting {result['countdown_cpu_exact_ms']:5.1f} ms (exact)")
    loads.append(os.getloadavg()[0])
    summary = summarise(METRICS, {"program": runs})
    summary["settings"] = {"runs": args.runs, "span_s": args.span, "settle_s": SETTLE_S,
                           "program": str(binaries.program), "load_average_1min": loads}
    print()
    print_table(METRICS, summary, {"program": "program"})
    print(f"\nmachine load (1 min average) before and after: {loads[0]:.2f}, {loads[1]:.2f}")
    save("countdown", summary)
