#!/bin/sh
# package.sh [deb|win32|win64]...: builds the release packages named (all
# three by default) into build/packages with CPack:
#   deb    k7r58c22_<version>_<arch>.deb from the package preset (a release
#          build without tests, benchmarks or sanitizers);
#   win32  K7R58C22-<version>-win32.exe, an installer made with NSIS, and
#          K7R58C22-<version>-win32.zip with the same files, from mingw-i686;
#   win64  the same from mingw-x86_64, the installer itself 64-bit code.
set -eu
cd "$(dirname "$0")/.."
[ $# -gt 0 ] || set -- deb win32 win64
out=build/packages
mkdir -p "$out"
for package in "$@"; do
    case "$package" in
    deb) preset=package ;;
    win32) preset=mingw-i686 ;;
    win64) preset=mingw-x86_64 ;;
    *)
        echo "usage: package.sh [deb|win32|win64]..." >&2
        exit 2
        ;;
    esac
    scripts/build.sh "$preset"
    work=build/$preset/cpack
    rm -rf "$work"
    cpack --config "build/$preset/CPackConfig.cmake" -B "$work" >/dev/null
    for made in "$work"/*.deb "$work"/*.exe "$work"/*.zip; do
        [ -e "$made" ] || continue
        mv -f "$made" "$out/"
        echo "$out/$(basename "$made")"
    done
done
