#!/bin/sh
# Configures and builds the given presets (default: native and mingw).
set -eu
cd "$(dirname "$0")/.."
[ $# -gt 0 ] || set -- native mingw
for preset in "$@"; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done
