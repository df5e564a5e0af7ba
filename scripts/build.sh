#!/bin/sh
# Configures and builds the given presets (default: native and both Windows
# builds, mingw-i686 and mingw-x86_64), each once however often it is named.
set -eu
cd "$(dirname "$0")/.."
[ $# -gt 0 ] || set -- native mingw-i686 mingw-x86_64
built=" "
for preset in "$@"; do
    case "$built" in *" $preset "*) continue ;; esac
    built="$built$preset "
    # A Windows build links libraries cross-compiled into .deps first.
    case "$preset" in
    mingw-*) scripts/mingw-deps.sh "${preset#mingw-}" ;;
    esac
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done
