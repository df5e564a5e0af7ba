#!/bin/sh
# The main job: set up, build both targets, and show the configuration
# record carried by a freshly built program image.
set -eu
cd "$(dirname "$0")/.."
scripts/as-root.sh scripts/setup.sh
scripts/build.sh native mingw
