#!/bin/sh
# Builds the release preset, prints what this host charges for a page fault
# and for reading from the file cache, checks the nearest-colour search
# against a full scan of every colour, and runs every benchmark. The goal
# lines, "ratio <name> = <value> (goal <= <goal>)", come last; the exit
# status is 1 when the check fails or a ratio misses its goal.
set -eu
cd "$(dirname "$0")/.."
scripts/as-root.sh scripts/setup.sh
scripts/build.sh release

log=$(mktemp)
trap 'rm -f "$log" "$log.goals"' EXIT
status=0
build/release/bench/host_calibration || status=1
for program in nearest_colour_check srec_save_bench plain_show_bench plain_save_bench \
    bmp_match_bench viewer_process_bench edit_bench preview_bench; do
    echo "== $program"
    "build/release/bench/$program" | tee -a "$log" || status=1
done

echo
echo "== goals"
grep '^ratio ' "$log" | tee "$log.goals"
# ratio NAME = VALUE (goal RELATION GOAL)
awk '{
    goal = $7; sub(/\)/, "", goal)
    met = ($6 == "<=") ? ($4 + 0 <= goal + 0) : ($4 + 0 >= goal + 0)
    if (!met) { print "goal missed: " $2; missed = 1 }
} END { exit missed }' "$log.goals" || status=1
exit $status
