#!/usr/bin/env bash
# Runs one fuzz target for a bounded time from its committed seeds:
#   run_fuzzer.sh TARGET SEEDS FOUND SECONDS
# New inputs go to FOUND, never to SEEDS; an input that breaks the target is kept there as
# crash-* (or timeout-*, leak-*) and the run fails. One line of figures goes to FOUND.summary.
set -uo pipefail
target=$1 seeds=$2 found=$3 seconds=$4
name=$(basename "$found")
mkdir -p "$found"
"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$found/" "$found" "$seeds" > "$found.log" 2>&1
status=$?
stat() { grep -a "^stat::$1:" "$found.log" | awk '{print $2}'; }
corpus=$(find "$found" -maxdepth 1 -type f ! -name 'crash-*' ! -name 'timeout-*' ! -name 'leak-*' | wc -l)
if [[ $status -eq 0 ]]; then
  verdict="nothing broken"
else
  verdict="BROKEN (status $status), see $found.log"
  tail -n 40 "$found.log"
fi
echo "$name: $(stat number_of_executed_units) executions in $(stat average_exec_per_sec)/s for ${seconds} s," \
  "$corpus new inputs kept, $verdict" | tee "$found.summary"
exit $status
