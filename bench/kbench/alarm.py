"""How soon an alarm goes off once its second has begun, and how often the idle clock repaints.

Alarms are armed through the real window a few seconds ahead, one after the other in each of
several processes (each process's clock ticks in its own rhythm). An alarm's delay is the
time from the start of its second on the wall clock to the Time Up window mapped, the first
thing its expiry shows, as the X server reports it. The first alarm of a process also builds
the windows the expiry sequence reads; the later ones find them built.

Before its first alarm, each process is watched idle for a while through the server's
DAMAGE extension: every drawing that changes the main window, when and where.
"""

import argparse
import os
import statistics
import time

from .build import Binaries
from .display import Drawing, drawings
from .driving import NOTICE_TITLE, SETTLE_S, TIME_UP_TITLE, arm_alarm, driven, put_notice_away
from .results import Metric, print_table, save, summarise, worst_at_most

METRICS = [
    Metric("delay_ms", "delay to Time Up window (ms)", worst_at_most(110, "ms")),
    Metric("first_ms", "  first alarm of a process (ms)"),
    Metric("later_ms", "  later alarms (ms)"),
    Metric("notice_ms", "delay to Time Up box (ms)"),
]

# Drawings closer together than this belong to one repaint.
REPAINT_GAP_S = 0.05


def add_arguments(parser: argparse.ArgumentParser) -> None:
    parser.add_argument("--processes", type=int, default=6, help="processes (default 6)")
    parser.add_argument("--alarms", type=int, default=4,
                        help="alarms in each process (default 4), about 6 s each")
    parser.add_argument("--lead", type=int, default=5,
                        help="seconds between reading the clock and the alarm's time, room "
                             "for typing and answering (default 5)")
    parser.add_argument("--watch", type=float, default=10.0,
                        help="seconds the idle clock's repaints are watched (default 10)")


def _repaints(found: list[Drawing]) -> list[list[Drawing]]:
    """Drawings grouped into repaints: one paint of the window may draw several rectangles."""
    groups: list[list[Drawing]] = []
    for drawing in found:
        if groups and drawing.realtime - groups[-1][-1].realtime < REPAINT_GAP_S:
            groups[-1].append(drawing)
        else:
            groups.append([drawing])
    return groups


def _watch_clock(session, main: int, seconds: float) -> dict:
    time.sleep(max(0.0, session.started_at + SETTLE_S - time.monotonic()))
    repaints = _repaints(drawings(session.display, main, seconds))
    return {
        "repaints_per_s": len(repaints) / seconds,
        # The clock's ticks in this process, as the label shows them: how far into each
        # second the new time is painted.
        "repaint_into_second_ms": statistics.median(
            group[0].realtime % 1 * 1000 for group in repaints) if repaints else None,
        "areas": sorted({drawing.area for group in repaints for drawing in group}),
    }


def _alarm(session, log, main, lead_s: int) -> tuple[float, float]:
    """Arms an alarm `lead_s` ahead and waits for it; the delays from the start of its second
    to the Time Up window and to the "Time Up" box, in ms."""
    target = int(time.time()) + lead_s
    arm_alarm(session, main, time.localtime(target))
    mark = log.mark()
    if time.time() >= target - 0.2:
        raise RuntimeError("arming took longer than the lead: give a longer --lead")
    time_up = log.wait("map", TIME_UP_TITLE, mark, timeout_s=lead_s + 5)
    notice = log.wait("map", NOTICE_TITLE, mark, timeout_s=5)
    put_notice_away(session)
    return (time_up.realtime - target) * 1000, (notice.realtime - target) * 1000


def run(binaries: Binaries, args: argparse.Namespace) -> None:
    loads = [os.getloadavg()[0]]
    alarms, clocks = [], []
    minutes = args.processes * (SETTLE_S + args.watch + args.alarms * (args.lead + 1.5)) / 60
    print(f"{args.processes} processes x {args.alarms} alarms, about {minutes:.0f} min")
    for process in range(1, args.processes + 1):
        with driven(binaries.program) as (session, log, main):
            clock = _watch_clock(session, main, args.watch)
            clocks.append(clock)
            into = clock["repaint_into_second_ms"]
            print(f"  process {process}: the idle window repaints "
                  f"{clock['repaints_per_s']:.1f} times a second, "
                  f"{'-' if into is None else f'{into:.0f}'} ms into the second, "
                  f"at {clock['areas']}")
            for number in range(args.alarms):
                delay, notice = _alarm(session, log, main, args.lead)
                alarms.append({"delay_ms": delay, "notice_ms": notice,
                               "first_ms": delay if number == 0 else None,
                               "later_ms": delay if number > 0 else None})
                print(f"    alarm {number + 1}: Time Up window {delay:6.1f} ms, "
                      f"box {notice:6.1f} ms into its second")
    loads.append(os.getloadavg()[0])
    summary = summarise(METRICS, {"program": alarms})
    summary["clock"] = clocks
    summary["settings"] = {"processes": args.processes, "alarms": args.alarms,
                           "lead_s": args.lead, "watch_s": args.watch,
                           "program": str(binaries.program), "load_average_1min": loads}
    print()
    print_table(METRICS, summary, {"program": "program"}, runs_label="alarms")
    print(f"idle window repaints a second (median of {len(clocks)} processes): "
          f"{statistics.median(c['repaints_per_s'] for c in clocks):.1f}")
    print(f"\nmachine load (1 min average) before and after: {loads[0]:.2f}, {loads[1]:.2f}")
    save("alarm", summary)
