"""Start-up time, memory and idle CPU and wake-ups of the program next to the reference window.

The reference repaints its label ten times a second. Its --on-the-second mode, a label with
hh:mm:ss whose timer wakes only as each second begins, is what the idle figures are judged
against: the least a Qt clock with seconds can do. With --floors the same window is also
measured with a label that changes once a second on the 100 ms timer, and with the timer
ticking alone.
"""

import argparse
import os
import subprocess
import tempfile
import time

from . import procfs
from .build import Binaries
from .display import MapWatcher, Xvfb
from .results import Metric, at_most_times_reference, print_table, save, summarise

# Idle work is judged against the reference that wakes once a second.
ON_THE_SECOND_TARGET = at_most_times_reference(1.3, "reference_on_second", "ref. on 1 s")

METRICS = [
    Metric("map_ms", "start to map (ms)", at_most_times_reference(1.2)),
    Metric("rss_mib", "RSS at 3 s (MiB)"),
    Metric("pss_mib", "PSS at 3 s (MiB)", at_most_times_reference(1.3)),
    Metric("uss_mib", "USS at 3 s (MiB)"),
    Metric("idle_cpu_ms", "idle CPU / 30 s (ms)", ON_THE_SECOND_TARGET),
    Metric("idle_cpu_exact_ms", "  same, exact (ms)", ON_THE_SECOND_TARGET),
    Metric("idle_switches", "idle wake-ups / 30 s", ON_THE_SECOND_TARGET),
]

HEADINGS = {"program": "program", "reference": "reference", "reference_on_second": "ref. on 1 s",
            "reference_seconds": "ref. 1/s", "reference_ticks": "ref. ticks"}

MEMORY_AT_S = 3.0
MAP_TIMEOUT_S = 20.0


def add_arguments(parser: argparse.ArgumentParser) -> None:
    parser.add_argument("--runs", type=int, default=7, help="runs per program (default 7)")
    parser.add_argument("--idle", type=float, default=30.0,
                        help="seconds of idle CPU measured (default 30)")
    parser.add_argument("--settle", type=float, default=3.0,
                        help="seconds between the memory sample and the idle span (default 3)")
    parser.add_argument("--floors", action="store_true",
                        help="also measure the reference with a label changed once a second "
                             "on its 100 ms timer and with that timer ticking alone")


def _environment(display: str) -> dict:
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", LANG="en_US.UTF-8")
    # One clock format for every run: "9:05:03 PM".
    env.pop("LC_ALL", None)
    env.pop("LC_TIME", None)
    return env


def _sleep_until(moment: float) -> None:
    time.sleep(max(0.0, moment - time.monotonic()))


def _measure_once(command: list[str], display: str, idle_s: float, settle_s: float) -> dict:
    with tempfile.TemporaryFile() as log:
        watcher = MapWatcher(display)
        try:
            started = time.monotonic()
            process = subprocess.Popen(command, env=_environment(display), stdout=log, stderr=log)
            mapped, title = watcher.wait_for_window(process, MAP_TIMEOUT_S)
        except RuntimeError:
            log.seek(0)
            print(log.read().decode(errors="replace"))
            raise
        finally:
            # Nothing else of ours stays connected to the server while the program idles.
            watcher.close()
        try:
            _sleep_until(started + MEMORY_AT_S)
            memory = procfs.memory_kib(process.pid)
            _sleep_until(started + MEMORY_AT_S + settle_s)
            cpu, cpu_exact = procfs.cpu_ms(process.pid), procfs.cpu_exact_ms(process.pid)
            switches = procfs.voluntary_switches(process.pid)
            time.sleep(idle_s)
            cpu_after = procfs.cpu_ms(process.pid)
            cpu_exact_after = procfs.cpu_exact_ms(process.pid)
            switches_after = procfs.voluntary_switches(process.pid)
            if process.poll() is not None:
                raise RuntimeError(f"{command[0]} ended ({process.returncode}) while idle")
        finally:
            process.terminate()
            process.wait()
    # Scaled to 30 s, so shorter trial runs still compare with the target.
    per_30_s = 30.0 / idle_s
    return {
        "title": title,
        "map_ms": (mapped - started) * 1000,
        "rss_mib": memory["rss"] / 1024,
        "pss_mib": memory["pss"] / 1024,
        "uss_mib": memory["uss"] / 1024,
        "idle_cpu_ms": (cpu_after - cpu) * per_30_s,
        "idle_cpu_exact_ms": (cpu_exact_after - cpu_exact) * per_30_s,
        "idle_switches": (switches_after - switches) * per_30_s,
    }


def run(binaries: Binaries, args: argparse.Namespace) -> None:
    commands = {"program": [str(binaries.program)], "reference": [str(binaries.reference)],
                "reference_on_second": [str(binaries.reference), "--on-the-second"]}
    if args.floors:
        commands["reference_seconds"] = [str(binaries.reference), "--seconds"]
        commands["reference_ticks"] = [str(binaries.reference), "--ticks-only"]
    runs = {name: [] for name in commands}
    loads = [os.getloadavg()[0]]
    with Xvfb() as server:
        minutes = (MEMORY_AT_S + args.settle + args.idle) * len(commands) * args.runs / 60
        print(f"measuring on {server.display}: {args.runs} runs each, about {minutes:.1f} min")
        # One unrecorded run each first, so every one starts with its libraries in the cache.
        for command in commands.values():
            _measure_once(command, server.display, idle_s=0.1, settle_s=0.0)
        # Taking turns spreads any drift in the machine's load evenly over all of them.
        for number in range(1, args.runs + 1):
            for name, command in commands.items():
                result = _measure_once(command, server.display, args.idle, args.settle)
                runs[name].append(result)
                print(f"  run {number} {HEADINGS[name]:<11}  map {result['map_ms']:6.1f} ms  "
                      f"PSS {result['pss_mib']:5.1f} MiB  "
                      f"idle CPU {result['idle_cpu_ms']:5.1f} ms "
                      f"({result['idle_cpu_exact_ms']:.1f} exact)  "
                      f"wake-ups {result['idle_switches']:.0f}")
    loads.append(os.getloadavg()[0])
    summary = summarise(METRICS, runs)
    summary["settings"] = {"runs": args.runs, "idle_s": args.idle, "settle_s": args.settle,
                           "memory_at_s": MEMORY_AT_S, "floors": args.floors,
                           "program": str(binaries.program),
                           "load_average_1min": loads}
    print()
    print_table(METRICS, summary, HEADINGS)
    print(f"\nmachine load (1 min average) before and after: {loads[0]:.2f}, {loads[1]:.2f}")
    save("startup", summary)
