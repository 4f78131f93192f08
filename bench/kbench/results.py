"""Medians, the printed table and the result file that every sub-command adds its section to."""

import json
import os
import platform
import statistics
import subprocess
from dataclasses import dataclass
from pathlib import Path
from typing import Callable, Optional

RESULT_FILE = Path(__file__).resolve().parents[1] / "results" / "latest.json"


@dataclass(frozen=True)
class Target:
    """A limit on a program's median, absolute or as a multiple of the reference's median, or
    (`on_worst`) on its worst run: the run furthest from zero."""
    text: str
    met: Callable[[float, Optional[float]], bool]
    on_worst: bool = False
    # The measured column a multiple is taken of.
    reference: str = "reference"


def at_most(limit: float, unit: str) -> Target:
    return Target(f"<= {limit:g} {unit}", lambda value, _reference: value <= limit)


def worst_at_most(limit: float, unit: str) -> Target:
    """Every run within `limit` of zero."""
    return Target(f"worst within {limit:g} {unit}", lambda value, _reference: abs(value) <= limit,
                  on_worst=True)


def at_most_times_reference(factor: float, reference: str = "reference",
                            heading: str = "reference") -> Target:
    return Target(f"<= {factor:g} x {heading}",
                  lambda value, of: value <= factor * of, reference=reference)


@dataclass(frozen=True)
class Metric:
    key: str
    label: str
    target: Optional[Target] = None


def summarise(metrics: list[Metric], runs: dict[str, list[dict]]) -> dict:
    """Medians and worst runs per measured program and metric, and each target's verdict on
    the program. A metric a run has no value for (None) is left out of that run's figures;
    one no run has a value for is None (a single alarm has no later alarms)."""
    def figure(program_runs: list[dict], key: str, of) -> Optional[float]:
        values = [run[key] for run in program_runs if run.get(key) is not None]
        return of(values) if values else None

    medians = {name: {m.key: figure(program_runs, m.key, statistics.median) for m in metrics}
               for name, program_runs in runs.items()}
    worst = {name: {m.key: figure(program_runs, m.key, lambda v: max(v, key=abs))
                    for m in metrics}
             for name, program_runs in runs.items()}
    verdicts = {}
    for metric in metrics:
        if metric.target:
            figures = worst if metric.target.on_worst else medians
            value = figures["program"][metric.key]
            reference = figures.get(metric.target.reference, {}).get(metric.key)
            if value is None:
                continue
            verdicts[metric.key] = {"target": metric.target.text,
                                    "met": metric.target.met(value, reference)}
    return {"medians": medians, "worst": worst, "targets": verdicts, "runs": runs}


def _cell(value: Optional[float], width: int, form: str) -> str:
    return f"{'-':>{width}}" if value is None else f"{value:>{width}{form}}"


def print_table(metrics: list[Metric], summary: dict, headings: dict[str, str],
                runs_label: str = "runs") -> None:
    """One row per metric: the median of each measured program, the program's worst run
    where a target judges it, the program's ratio to the reference where one was measured
    (the one its target names), and the target's verdict."""
    medians, verdicts = summary["medians"], summary["targets"]
    with_ratio = "reference" in medians
    with_worst = any(m.target and m.target.on_worst for m in metrics)
    runs = len(summary["runs"]["program"])
    print(f"{'median of ' + str(runs) + ' ' + runs_label:<34}"
          + "".join(f"{headings[name]:>12}" for name in medians)
          + (f"{'worst':>8}" if with_worst else "")
          + (f"{'ratio':>8}" if with_ratio else "") + f"   {'target':<24}met")
    for metric in metrics:
        line = f"{metric.label:<34}" + "".join(
            _cell(medians[name][metric.key], 12, ".1f") for name in medians)
        if with_worst:
            line += (_cell(summary["worst"]["program"][metric.key], 8, ".1f")
                     if metric.target and metric.target.on_worst else f"{'':>8}")
        if with_ratio:
            column = metric.target.reference if metric.target else "reference"
            reference = medians[column][metric.key]
            program = medians["program"][metric.key]
            line += _cell(program / reference if reference and program is not None else None,
                          8, ".2f")
        if metric.key in verdicts:
            verdict = verdicts[metric.key]
            line += f"   {verdict['target']:<24}{'yes' if verdict['met'] else 'NO'}"
        print(line)


def machine() -> dict:
    os_release = dict(line.split("=", 1) for line in
                      Path("/etc/os-release").read_text().splitlines() if "=" in line)
    qt = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "libqt6core6"],
                        capture_output=True, text=True).stdout
    cpu = next((line.split(":", 1)[1].strip() for line in
                Path("/proc/cpuinfo").read_text().splitlines() if line.startswith("model name")),
               "")
    return {"cores": len(os.sched_getaffinity(0)), "cpu": cpu,
            "os": os_release.get("PRETTY_NAME", "").strip('"'), "kernel": platform.release(),
            "qt": qt}


def save(section: str, summary: dict) -> None:
    """Replaces this sub-command's section of the result file and keeps the others."""
    RESULT_FILE.parent.mkdir(exist_ok=True)
    everything = json.loads(RESULT_FILE.read_text()) if RESULT_FILE.exists() else {}
    everything["machine"] = machine()
    everything[section] = summary
    RESULT_FILE.write_text(json.dumps(everything, indent=2) + "\n")
    print(f"\nwritten to {RESULT_FILE}")
