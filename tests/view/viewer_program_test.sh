#!/bin/sh
# The viewer program on the board emulator: command line, statuses, messages,
# and the panel picture it leaves in automatic mode.
#   viewer_program_test.sh <program> <samples dir> [runner...]
# The runner, e.g. "wine-run.sh x86_64", starts a Windows program.
set -u
program=$1
samples=$2
shift 2
runner=$*
export LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Runs the viewer with the emulator writing $work/panel.png; output without
# carriage returns in $work/out, status in $status.
view() {
    rm -f "$work/panel.png"
    K7R58_EMULATOR=$work/panel.png $runner "$program" "$@" >"$work/raw" 2>"$work/err"
    status=$?
    tr -d '\r' <"$work/raw" >"$work/out"
}

expect_status() {
    [ "$status" -eq "$1" ] || fail "$2: status $status, expected $1"
}

expect_line() {
    grep -qxF -- "$1" "$work/out" || fail "$2: no line '$1'"
}

# The panel area of the image against a reference decode, byte for byte.
expect_picture() {
    convert "$work/panel.png" -crop "$1" +repage -depth 8 "rgb:$work/seen.rgb" &&
        cmp -s "$work/seen.rgb" "$samples/$2" || fail "$3: panel picture differs from $2"
}

view
expect_status 1 "no arguments"
expect_line "58C22VIEW - A program to view JPEG, BMP, GIF files - Build 1 [HAL: 2]" "banner"
expect_line "Beta version. " "banner"
expect_line "Arguments enclosed in [] are optional." "usage"
[ ! -e "$work/panel.png" ] || fail "usage touched the chip"

view "$samples/gif8.gif" /?
expect_status 0 "/? after an image"
expect_line "      /?       Display this help message" "/? usage"

view "$work/missing.gif" /A1
expect_status 1 "missing file"
expect_line "ERROR: Failed to open image file:'$work/missing.gif'" "missing file"
expect_line "Arguments enclosed in [] are optional." "usage after a missing file"

view "$samples/gif8.gif" /A1
expect_status 0 "GIF in automatic mode"
expect_line "imgW:101, imgH:77, imgBpp:8" "GIF"
expect_line "VW:320, VH:240, BppPanel:8" "GIF"
expect_picture 101x77+109+81 gif8.rgb "GIF"

# Names of any script and length: images named in Greek, Chinese and with
# an emoji, over 260 characters deep in a directory named in Cyrillic and
# Japanese; the name comes back in the messages as it was given.
deep="$work/Кириллица 日本語"
for _ in 1 2 3 4; do
    deep="$deep/$(printf 'ディレクトリ%.0s' 1 2 3 4 5 6 7 8 9 10 11 12)"
done
mkdir -p "$deep"
cp "$samples/gif8.gif" "$deep/Ελληνικά 🎛.gif"
cp "$samples/colour.jpg" "$deep/中文.jpg"
view "$deep/Ελληνικά 🎛.gif" /A1
expect_status 0 "GIF of a long name"
expect_picture 101x77+109+81 gif8.rgb "GIF of a long name"
view "$deep/中文.jpg" /A1
expect_status 0 "JPEG of a long name"
view "$deep/missing 🎛.gif" /A1
expect_status 1 "missing file of a long name"
expect_line "ERROR: Failed to open image file:'$deep/missing 🎛.gif'" "missing file of a long name"

# Each run powers a fresh emulated board on: without the register table
# its display settings read 1 bpp.
view "$samples/colour.jpg" /A1 /NoInit
expect_status 1 "/NoInit"
expect_line "This program does not display images on 1 or 2 bpp settings!" "/NoInit"

# Failures are never reported as success: a file of no image type (an
# empty one too), an unknown switch, a panel picture that cannot be written.
printf 'shopping list\n' >"$work/notes.txt"
: >"$work/empty.bmp"
for file in "$work/notes.txt" "$work/empty.bmp"; do
    view "$file" /A0
    expect_status 1 "$file"
    expect_line "ERROR: Unable to determine file type." "$file"
done
view "$samples/gif8.gif" /B
expect_status 1 "unknown switch"
expect_line "Arguments enclosed in [] are optional." "usage after an unknown switch"
K7R58_EMULATOR=/no/such/directory/panel.png $runner "$program" "$samples/gif8.gif" /A1 \
    >"$work/out" 2>"$work/err"
status=$?
expect_status 1 "unwritable panel picture"
grep -q "panel.png" "$work/err" || fail "no reason for the unwritten picture: $(cat "$work/err")"

K7R58_EMULATOR= $runner "$program" "$samples/gif8.gif" /A1 >"$work/raw" 2>&1
status=$?
tr -d '\r' <"$work/raw" >"$work/out"
expect_status 1 "no board driver"
grep -qF "ERROR: Unable to find/load the K7R58xxx driver (1)" "$work/out" || fail "no driver message"

# Natively (Wine has no FIFOs): what is not a file is refused at once, and
# output that cannot be written ends the viewer with status 1.
if [ -z "$runner" ]; then
    mkfifo "$work/fifo"
    mkdir "$work/directory"
    python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' "$work/socket"
    for special in "$work/fifo" "$work/directory" /dev/zero "$work/socket"; do
        start=$(date +%s%N)
        K7R58_EMULATOR=$work/panel.png timeout 5 "$program" "$special" /A1 >"$work/out" 2>&1
        status=$?
        took=$((($(date +%s%N) - start) / 1000000))
        expect_status 1 "$special"
        [ "$took" -lt 1000 ] || fail "$special: refused after $took ms"
        expect_line "ERROR: Failed to open image file:'$special'" "$special"
    done

    K7R58_EMULATOR=$work/panel.png "$program" "$samples/gif8.gif" /A1 >/dev/full 2>"$work/err"
    status=$?
    expect_status 1 "output on a full device"
    grep -q "^58C22VIEW: cannot write to standard output" "$work/err" || fail "no output error message"
fi

[ "$failures" -eq 0 ] || exit 1
echo "viewer program: all checks passed"
