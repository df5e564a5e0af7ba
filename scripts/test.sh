#!/bin/sh
# Sets the machine up, builds both targets and runs every test: natively,
# then the Windows build under Wine.
set -eu
cd "$(dirname "$0")/.."
scripts/as-root.sh scripts/setup.sh
scripts/build.sh native mingw
status=0
ctest --preset native -j2 || status=1
ctest --preset mingw -j2 || status=1
exit $status
