#!/bin/sh
# configure_many.sh [i686|x86_64]: Configure Multiple over thousands of
# files, measured and printed, checked against no goal. The command line's
# configure runs over 1,000 and over 10,000 files (the time per file shows
# whether it stays linear), then the utility's window, under Wine, opens the
# dialog on 5,000 files, adds them all and configures them (bench/win32/
# configure_many.cpp). The files are copies of the small m68k test image in
# a temporary directory. NATIVE_PRESET names the build of the command line
# (default native, whose sanitizers slow every file alike). Without an
# architecture the window part takes the Windows build this host tests; it
# is passed over when that build has not been configured.
set -eu
cd "$(dirname "$0")/.."
native=build/${NATIVE_PRESET:-native}
cmake --build "$native" --target k7r_cli k7r_test_images >/dev/null
image=$native/tests/images/m68k_board.elf
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# copies DIRECTORY COUNT: the image that many times, written by one tee per
# batch of names rather than a process per file.
copies() {
    mkdir -p "$1"
    seq -f "$1/board%05g.elf" 1 "$2" >"$work/names"
    xargs -a "$work/names" sh -c 'tee "$@" <"$0" >/dev/null' "$image"
}

now() { date +%s.%N; }

for count in 1000 10000; do
    copies "$work/cli$count" "$count"
    start=$(now)
    "$native/cli/58c22cfg" configure --from "$image" "$work/cli$count"/* >"$work/summary" ||
        echo "configure over $count files failed"
    end=$(now)
    ok=$(grep -c '^OK' "$work/summary" || true)
    awk -v n="$count" -v ok="$ok" -v s="$start" -v e="$end" 'BEGIN {
        printf "command line, %d files: %.2f s, %.0f us per file, %d OK\n",
               n, e - s, (e - s) * 1e6 / n, ok }'
    rm -rf "$work/cli$count"
done

arch=${1:-$(scripts/windows-suites.sh | sed -n 1p | cut -d' ' -f1)}
if [ ! -d "build/mingw-$arch" ]; then
    echo "the window part needs the mingw-$arch build: passed over"
    exit 0
fi
cmake --build --preset "mingw-$arch" --target configure_many >/dev/null
copies "$work/window" 5000
start=$(now)
scripts/gui-run.sh "$arch" "build/mingw-$arch/bench/win32/configure_many.exe" \
    "$work/window" 5000
end=$(now)
awk -v s="$start" -v e="$end" 'BEGIN { printf "window, 5000 files: %.1f s in all\n", e - s }'
