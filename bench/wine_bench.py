#!/usr/bin/env python3
"""Benchmarks the Windows program under Wine, on a private Xvfb, next to a minimal Win32
window with a menu and a 100 ms timer (bench/win32/reference_window.cpp), built in the same
run with MinGW-w64 into build/windows-bench:
- the program file's size and the DLLs it imports (objdump -p);
- start to window shown: from starting Wine to the X server mapping the main window (a
  Wine server kept running for the prefix, so that its own start is not counted);
- memory 3 s after the start: the process's private pages (USS), and PSS and RSS;
- idle CPU per 30 s, from 3 s after the start: the process's, and the Wine server's for it;
- a 1-minute countdown's error on the program's timers (bench/win32/countdown_timing.cpp: a
  1 s timer of Win32TimerService ticking 60 times on a message loop), with SetTimer's beside.

  bench/wine_bench.py [--runs N] [--program EXE]
Results go to the "wine" section of bench/results/latest.json.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from kbench import procfs  # noqa: E402
from kbench.display import MapWatcher, Xvfb  # noqa: E402
from kbench.results import (Metric, at_most_times_reference, print_table, save,  # noqa: E402
                            summarise)

ROOT = Path(__file__).resolve().parents[1]
BUILD = ROOT / "build" / "windows-bench"
WINE_ENV = ROOT / "tests" / "wine" / "wine_env.sh"
PROGRAM_TITLE = "KAVELTO Time Reminder"
REFERENCE_TITLE = "Reference Window"
MEMORY_AT_S = 3.0
IDLE_S = 30.0

METRICS = [
    Metric("start_ms", "start to window shown (ms)", at_most_times_reference(1.3)),
    Metric("uss_mib", "private memory at 3 s (MiB)", at_most_times_reference(1.3)),
    Metric("pss_mib", "PSS at 3 s (MiB)"),
    Metric("rss_mib", "RSS at 3 s (MiB)"),
    Metric("idle_cpu_ms", "idle CPU per 30 s (ms)"),
    Metric("idle_cpu_exact_ms", "  same, exact (ms)"),
    Metric("server_cpu_ms", "  Wine server meanwhile (ms)"),
]


def build(program: Path | None) -> dict[str, Path]:
    # Built as scripts/build-windows.sh builds the program file users get.
    subprocess.run(
        ["cmake", "-S", ROOT, "-B", BUILD, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=MinSizeRel",
         f"-DCMAKE_TOOLCHAIN_FILE={ROOT / 'cmake' / 'mingw-w64-x86_64.cmake'}",
         "-DREMINDER_WITH_TESTS=ON",
         *(["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else [])],
        check=True, stdout=subprocess.DEVNULL)
    targets = ["reference_win32", "countdown_timing", "stand_in"]
    if program is None:
        targets.append("reminder_windows_program")
    subprocess.run(["cmake", "--build", BUILD, "--target", *targets], check=True)
    binaries = {name: BUILD / "bin" / f"{name}.exe" for name in targets[:3]}
    binaries["program"] = program or BUILD / "bin" / f"{PROGRAM_TITLE}.exe"
    return binaries


def wine(*args: str, **kwargs) -> subprocess.Popen:
    return subprocess.Popen([str(WINE_ENV), "run", str(BUILD / "wineprefix"), *args], **kwargs)


def wine_server_pid(prefix: Path) -> int:
    for entry in Path("/proc").iterdir():
        try:
            if (entry / "comm").read_text().strip().startswith("wineserver") and \
                    f"WINEPREFIX={prefix}".encode() in (entry / "environ").read_bytes():
                return int(entry.name)
        except (OSError, ValueError):
            continue
    raise RuntimeError("no Wine server for the prefix")


def imports(exe: Path) -> list[str]:
    dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", exe], check=True,
                          capture_output=True, text=True).stdout
    return re.findall(r"DLL Name: (\S+)", dump)


def measure_once(exe: Path, title: str, display: str, server: int) -> dict:
    watcher = MapWatcher(display, unmanaged=True, title=title)
    try:
        started = time.monotonic()
        process = wine(str(exe), env=dict(os.environ, DISPLAY=display),
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        shown, _title = watcher.wait_for_window(process, timeout_s=60)
    finally:
        watcher.close()
    try:
        time.sleep(max(0.0, started + MEMORY_AT_S - time.monotonic()))
        memory = procfs.memory_kib(process.pid)
        before = procfs.cpu_ms(process.pid), procfs.cpu_exact_ms(process.pid)
        server_before = procfs.cpu_exact_ms(server)
        time.sleep(IDLE_S)
        after = procfs.cpu_ms(process.pid), procfs.cpu_exact_ms(process.pid)
        server_after = procfs.cpu_exact_ms(server)
    finally:
        process.kill()
        process.wait()
    return {
        "start_ms": (shown - started) * 1000,
        "uss_mib": memory["uss"] / 1024, "pss_mib": memory["pss"] / 1024,
        "rss_mib": memory["rss"] / 1024,
        "idle_cpu_ms": after[0] - before[0], "idle_cpu_exact_ms": after[1] - before[1],
        "server_cpu_ms": server_after - server_before,
    }


def countdown_errors(binary: Path, seconds: int) -> dict:
    """The timers' error over `seconds` ticks of a second, both kinds at once."""
    runs = {kind: wine(str(binary), *flags, str(seconds), stdout=subprocess.PIPE, text=True)
            for kind, flags in (("service", []), ("set_timer", ["--set-timer"]))}
    errors = {}
    for kind, run in runs.items():
        output, _ = run.communicate(timeout=seconds + 60)
        errors[kind] = float(re.search(r"error ([-+][0-9.]+) ms", output).group(1))
    return errors


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--runs", type=int, default=5, help="runs of each (default 5), 35 s each")
    parser.add_argument("--program", type=Path, help="measure this .exe instead of building it")
    parser.add_argument("--countdown", type=int, default=60, help="countdown seconds (60)")
    args = parser.parse_args()

    binaries = build(args.program)
    prefix = BUILD / "wineprefix"
    subprocess.run([WINE_ENV, "create", prefix, binaries["stand_in"]], check=True)
    # A Wine server that stays, as one does on a desktop where Wine has run before.
    server_process = subprocess.Popen(
        ["/usr/lib/wine/wineserver64", "--persistent"],
        env=dict(os.environ, WINEPREFIX=str(prefix)))
    try:
        time.sleep(1)
        server = wine_server_pid(prefix)
        runs = {"program": [], "reference": []}
        with Xvfb() as xvfb:
            # A first start of each loads what Wine caches for later ones; not counted.
            for exe, title in ((binaries["program"], PROGRAM_TITLE),
                               (binaries["reference_win32"], REFERENCE_TITLE)):
                measure_once(exe, title, xvfb.display, server)
            for number in range(1, args.runs + 1):
                for name, exe, title in (("program", binaries["program"], PROGRAM_TITLE),
                                         ("reference", binaries["reference_win32"],
                                          REFERENCE_TITLE)):
                    result = measure_once(exe, title, xvfb.display, server)
                    runs[name].append(result)
                    print(f"  run {number} {name:<9} start {result['start_ms']:7.1f} ms, "
                          f"private {result['uss_mib']:5.1f} MiB, idle CPU "
                          f"{result['idle_cpu_exact_ms']:6.1f} ms (server "
                          f"{result['server_cpu_ms']:6.1f} ms)")
        errors = countdown_errors(binaries["countdown_timing"], args.countdown)
    finally:
        subprocess.run([WINE_ENV, "stop", prefix], check=False)
        server_process.wait(timeout=30)

    summary = summarise(METRICS, runs)
    summary["file"] = {"bytes": binaries["program"].stat().st_size,
                       "imports": imports(binaries["program"]),
                       "reference_bytes": binaries["reference_win32"].stat().st_size,
                       "reference_imports": imports(binaries["reference_win32"])}
    summary["countdown"] = {"seconds": args.countdown, "error_ms": errors["service"],
                            "set_timer_error_ms": errors["set_timer"]}
    wine_version = subprocess.run(["/usr/lib/wine/wine64", "--version"], capture_output=True,
                                  text=True).stdout.strip()
    summary["settings"] = {"runs": args.runs, "wine": wine_version,
                           "load_average_1min": os.getloadavg()[0]}
    print()
    print_table(METRICS, summary, {"program": "program", "reference": "reference"})
    file = summary["file"]
    print(f"\nprogram file: {file['bytes']} bytes (target at most 1048576), imports "
          f"{', '.join(file['imports'])}")
    print(f"reference file: {file['reference_bytes']} bytes, imports "
          f"{', '.join(file['reference_imports'])}")
    print(f"countdown of {args.countdown} s on the program's timers: error "
          f"{errors['service']:+.1f} ms (target within 20 ms); with SetTimer "
          f"{errors['set_timer']:+.1f} ms")
    save("wine", summary)
    return 0


if __name__ == "__main__":
    sys.exit(main())
