#!/usr/bin/env bash
# The Windows test build's emulator: runs a program in the prefix that REMINDER_WINEPREFIX
# names (run_windows_tests.sh sets it), with the settings of wine_env.sh.
set -euo pipefail
exec "$(dirname "$(realpath "$0")")/wine_env.sh" run "${REMINDER_WINEPREFIX:?}" "$@"
