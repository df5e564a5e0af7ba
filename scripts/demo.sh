#!/bin/sh
# The main job: set up, build both targets, and show the configuration
# record carried by a freshly built program image.
set -eu
cd "$(dirname "$0")/.."
scripts/as-root.sh scripts/setup.sh
scripts/build.sh native mingw

# A Windows program built by MinGW that carries the viewer's record.
build/native/cli/58c22cfg show build/native/tests/images/carrier.exe
