#!/bin/sh
# big_image.sh [i686|x86_64] [MEGABYTES]: a program image of that size
# (default 256 MiB: the test image with zeros after it) opened and saved in
# the utility's window under Wine (bench/win32/big_image.cpp), each
# timed, with the longest the window went without handling a message.
# Printed, checked against no goal. Without an architecture it takes the
# Windows build this host tests.
set -eu
cd "$(dirname "$0")/.."
arch=${1:-$(scripts/windows-suites.sh | sed -n 1p | cut -d' ' -f1)}
megabytes=${2:-256}
build=build/mingw-$arch
cmake --build --preset "mingw-$arch" --target big_image k7r_test_images >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/tests/images/carrier.exe" "$work/big.exe"
truncate -s "${megabytes}M" "$work/big.exe"
echo "a ${megabytes} MiB image:"
scripts/gui-run.sh "$arch" "$build/bench/win32/big_image.exe" "$work/big.exe"
