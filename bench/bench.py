#!/usr/bin/env python3
"""Benchmarks the Release build of kavelto-time-reminder under a private Xvfb, next to a plain
Qt Widgets window built in the same run (bench/reference).

Each sub-command builds both, measures, prints a table and stores its section of
bench/results/latest.json.
"""

import argparse
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from kbench import alarm, countdown, startup  # noqa: E402
from kbench.build import build_all  # noqa: E402

# Each sub-command is a module with add_arguments(parser) and run(binaries, args).
SUB_COMMANDS = {
    "startup": (startup, "start-to-map time, memory at 3 s and idle CPU"),
    "countdown": (countdown, "how exactly a 1-minute countdown ends, and its CPU per minute"),
    "alarm": (alarm, "the delay from the start of an alarm's second to its expiry, and the "
                     "idle clock's repaints"),
}


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    common = argparse.ArgumentParser(add_help=False)
    common.add_argument("--program", type=Path,
                        help="measure this binary instead of building build/release")
    commands = parser.add_subparsers(dest="command", required=True)
    for name, (module, summary) in SUB_COMMANDS.items():
        module.add_arguments(
            commands.add_parser(name, parents=[common], help=summary, description=summary))
    args = parser.parse_args()
    module, _summary = SUB_COMMANDS[args.command]
    module.run(build_all(args.program), args)
    return 0


if __name__ == "__main__":
    sys.exit(main())
