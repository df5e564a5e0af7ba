#!/bin/sh
# Configures and builds the given presets (default: native and mingw).
set -eu
cd "$(dirname "$0")/.."
[ $# -gt 0 ] || set -- native mingw
for preset in "$@"; do
    # The Windows build links libraries cross-compiled into .deps first.
    [ "$preset" != mingw ] || scripts/mingw-deps.sh
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done
