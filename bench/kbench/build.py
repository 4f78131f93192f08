"""Builds the Release program and the reference window, each in its own build folder."""

import subprocess
from dataclasses import dataclass
from pathlib import Path
from typing import Optional

REPO = Path(__file__).resolve().parents[2]


@dataclass(frozen=True)
class Binaries:
    program: Path
    reference: Path


def _cmake(source: Path, build: Path, target: str, *options: str) -> None:
    subprocess.run(
        ["cmake", "-S", str(source), "-B", str(build), "-G", "Ninja",
         "-DCMAKE_BUILD_TYPE=Release", *options],
        check=True, stdout=subprocess.DEVNULL)
    # The machine is shared: two jobs at most.
    subprocess.run(["cmake", "--build", str(build), "--target", target, "--", "-j2"], check=True)


def build_all(program: Optional[Path] = None) -> Binaries:
    """Builds what is needed; `program`, when given, is measured instead of this tree's build
    (an older build, say, to compare with)."""
    subprocess.run([str(REPO / "scripts" / "install-deps.sh"), "--tests"], check=True)
    reference = REPO / "build" / "bench-reference"
    _cmake(REPO / "bench" / "reference", reference, "bench-reference")
    if program is None:
        release = REPO / "build" / "release"
        _cmake(REPO, release, "kavelto-time-reminder", "-DREMINDER_WITH_TESTS=OFF")
        program = release / "bin" / "kavelto-time-reminder"
    return Binaries(program.resolve(), reference / "bench-reference")
