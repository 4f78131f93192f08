"""What the kernel tells about a running process: memory and CPU time."""

import os
from pathlib import Path

_TICKS_PER_SECOND = os.sysconf("SC_CLK_TCK")


def memory_kib(pid: int) -> dict:
    """Resident, proportional and private (unique) set sizes in KiB."""
    fields = {}
    for line in Path(f"/proc/{pid}/smaps_rollup").read_text().splitlines()[1:]:
        name, value = line.split(":", 1)
        fields[name] = int(value.split()[0])
    return {
        "rss": fields["Rss"],
        "pss": fields["Pss"],
        "uss": fields["Private_Clean"] + fields["Private_Dirty"],
    }


def cpu_ms(pid: int) -> float:
    """utime + stime of every thread, dead ones included; counted in clock ticks (10 ms here)."""
    stat = Path(f"/proc/{pid}/stat").read_text()
    # The command name may hold blanks and brackets: count fields from its closing bracket.
    fields = stat[stat.rindex(")") + 2:].split()
    utime, stime = int(fields[11]), int(fields[12])
    return (utime + stime) * 1000 / _TICKS_PER_SECOND


def cpu_exact_ms(pid: int) -> float:
    """Time on a CPU of the living threads, to the nanosecond: finer than the ticks above."""
    total_ns = 0
    for task in Path(f"/proc/{pid}/task").iterdir():
        try:
            total_ns += int((task / "schedstat").read_text().split()[0])
        except FileNotFoundError:  # the thread ended while we looked
            pass
    return total_ns / 1e6


def voluntary_switches(pid: int) -> int:
    """How often the living threads gave up the CPU to wait: their wake-ups, summed."""
    total = 0
    for task in Path(f"/proc/{pid}/task").iterdir():
        try:
            status = (task / "status").read_text()
        except FileNotFoundError:  # the thread ended while we looked
            continue
        total += next(int(line.split()[1]) for line in status.splitlines()
                      if line.startswith("voluntary_ctxt_switches:"))
    return total
