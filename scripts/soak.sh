#!/bin/sh
# soak.sh [i686|x86_64]: the long session on the utility's window under Wine
# (tests/cfgui/win32/soak.cpp): 100 rounds of every tab, every dialog and
# both side windows (700 tab switches, 100 openings of each), then two
# minutes live on the emulated board. It prints the GDI objects, windows and
# private memory held after a warm-up round and at the end, and fails when
# they did not come back. Without an architecture it takes the Windows build
# this host tests.
set -eu
cd "$(dirname "$0")/.."
arch=${1:-$(scripts/windows-suites.sh | sed -n 1p | cut -d' ' -f1)}
cmake --build --preset "mingw-$arch" --target soak >/dev/null
exec scripts/gui-run.sh "$arch" "build/mingw-$arch/tests/cfgui/win32/soak.exe" 100 120
