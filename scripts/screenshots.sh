#!/bin/sh
# screenshots.sh [i686|x86_64]: pictures of every tab and dialog of the
# utility's window, for people to look at, into build/mingw-<arch>/screenshots/.
# A tour program of that Windows build (bench/win32/screenshot_tour.cpp)
# drives the window under Wine, on a virtual display when there is none;
# it asserts nothing and says which picture it could not take. Without an
# architecture it takes the Windows build this host tests (windows-suites.sh).
set -eu
cd "$(dirname "$0")/.."
arch=${1:-$(scripts/windows-suites.sh | sed -n 1p | cut -d' ' -f1)}
cmake --build --preset "mingw-$arch" --target screenshot_tour >/dev/null
scripts/gui-run.sh "$arch" "build/mingw-$arch/bench/win32/screenshot_tour.exe"
echo "Screenshots of the utility's window: build/mingw-$arch/screenshots/"
