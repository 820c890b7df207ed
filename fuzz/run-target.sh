#!/usr/bin/env bash
# Runs one fuzz target for a bounded time, starting from its committed seeds, in a folder of its own:
# the inputs it finds go there, never into the seeds. A crash, an input that takes over a second or a
# sanitizer's report fails the run, and the input that did it is kept in the folder's artifacts.
# Usage: run-target.sh TARGET SEEDS WORK SECONDS
set -uo pipefail
target=$1 seeds=$2 work=$3 seconds=$4
rm -rf "$work"
mkdir -p "$work/found" "$work/artifacts"
"$target" -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 -max_len=16384 -print_final_stats=1 \
    -artifact_prefix="$work/artifacts/" "$work/found" "$seeds" > "$work/log" 2>&1
status=$?
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
took=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1 s/p' "$work/log")
echo "$(basename "$target"): ${runs:-no} inputs in ${took:-a run that stopped}, $(ls "$work/found" | wc -l) new kept" |
    tee "$work/summary"
if [ "$status" -ne 0 ] || [ -z "$runs" ]; then
    tail -n 60 "$work/log"
    ls "$work/artifacts"
    exit 1
fi
