#!/usr/bin/env bash
# The Wine prefix every Windows test run uses, shared by the platform tests and the end-to-end
# tests of the .exe:
#   wine_env.sh create PREFIX STAND_IN.exe   a fresh prefix (about 15 s): no Mono or Gecko
#                                            prompts, window frames without a window manager,
#                                            Wine's fonts, and the recording stand-in copied
#                                            over system32's shutdown.exe and taskkill.exe
#   wine_env.sh run PREFIX PROGRAM [ARG...]  runs a Windows program in it
#   wine_env.sh stop PREFIX                  ends that prefix's Wine server (and its programs)
# Wine's own shutdown.exe and taskkill.exe must never run: the stand-ins replace them, and
# WINEDLLOVERRIDES makes Wine take the files on disk over its built-in ones.
# Its menu builder is off, so that shortcuts made in the prefix leave no desktop entries behind.
set -euo pipefail

WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=;shutdown.exe,taskkill.exe=n"
export WINEARCH=win64
# Wine's device manager asks the system bus for drives; the machine's own bus is never reached.
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent

command=$1
export WINEPREFIX=$(realpath -m "$2")
shift 2

case "$command" in
  create)
    stand_in=$1
    "$WINESERVER" -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot --init >/dev/null 2>&1
    "$WINESERVER" -w
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    "$WINESERVER" -w
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    for name in shutdown taskkill; do
      cp "$stand_in" "$WINEPREFIX/drive_c/windows/system32/$name.exe"
    done
    ;;
  run)
    exec "$WINE" "$@"
    ;;
  stop)
    "$WINESERVER" -k 2>/dev/null || true
    ;;
  *)
    echo "usage: $0 create|run|stop PREFIX ..." >&2
    exit 2
    ;;
esac
