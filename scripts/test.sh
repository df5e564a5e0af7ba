#!/bin/sh
# Sets the machine up, builds both targets and runs every test: natively,
# then the Windows build under Wine.
set -eu
cd "$(dirname "$0")/.."
scripts/as-root.sh scripts/setup.sh
scripts/build.sh native mingw
status=0
ctest --preset native -j2 || status=1
# One virtual display for every Windows test; the tests that open windows
# take turns on it.
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset mingw -j2 || status=1
exit $status
