#!/usr/bin/env bash
# Runs one end-to-end test on a session bus of its own, in a process group of its own that
# is ended afterwards: nothing the test started (the program, Xvfb, a window manager) outlives
# it and holds ctest's output open, whatever way the test ends.
#   run_alone.sh COMMAND...
set -u
setsid dbus-run-session -- "$@" &
leader=$!
trap 'kill -KILL -- -"$leader" 2>/dev/null' TERM INT
wait "$leader"
status=$?
kill -KILL -- -"$leader" 2>/dev/null
exit "$status"
