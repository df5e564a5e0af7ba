#!/bin/sh
# Line and branch coverage of the native test suite over the project's own
# code (not tests/, bench/ or fuzz/): builds the coverage preset, runs its
# tests from fresh counters and prints gcovr's summary; the report for a
# browser is build/coverage/report/coverage.html.
set -eu
cd "$(dirname "$0")/.."
scripts/build.sh coverage
find build/coverage -name '*.gcda' -delete
status=0
ctest --preset coverage -j2 || status=1
# Branches that only an exception or a compiler's own unreachable path can
# take are left out: no test can take them on purpose.
mkdir -p build/coverage/report
gcovr --root . --object-directory build/coverage -j 2 \
    --exclude 'tests/' --exclude 'bench/' --exclude 'fuzz/' --exclude 'build/' \
    --exclude-throw-branches --exclude-unreachable-branches \
    --html-details build/coverage/report/coverage.html --print-summary
exit $status
