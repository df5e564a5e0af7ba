#!/bin/sh
# File names of any script and length through the command-line program:
# files named in Greek, Chinese and with an emoji, in a directory named in
# Cyrillic and Japanese and in one whose path is over 260 characters long,
# are shown, set, exported and configured. Each ends byte for byte as a
# plainly named copy does under the same commands, and the names come back
# on standard output as UTF-8.
#   any_name_test.sh <program> <image> [runner...]
# The runner, e.g. "wine-run.sh x86_64", starts a Windows program.
set -u
program=$1
image=$2
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

# Output without carriage returns in $work/out, status in $status.
run() {
    $runner "$program" "$@" >"$work/raw" 2>"$work/err"
    status=$?
    tr -d '\r' <"$work/raw" >"$work/out"
}

expect_success() {
    [ "$status" -eq 0 ] || fail "$1: status $status: $(cat "$work/err")"
}

plain=$work/plain
named="$work/Кириллица 日本語"
deep=$named
for _ in 1 2 3 4; do
    deep="$deep/$(printf 'ディレクトリ%.0s' 1 2 3 4 5 6 7 8 9 10 11 12)"
done
mkdir -p "$plain" "$deep"
files="$named/Ελληνικά.elf
$named/中文.elf
$named/emoji 🎛.elf
$deep/Ελληνικά 中文 🎛.elf"
[ "$(printf %s "$deep" | wc -m)" -gt 260 ] || fail "the deep directory is not over 260 characters"

# What the commands make of a plainly named copy.
cp "$image" "$plain/set.elf"
run set "$plain/set.elf" "Horz Total=360"
expect_success "set of a plain name"
run export appcfg "$plain/set.elf" -o "$plain/set.h"
expect_success "export of a plain name"
cp "$image" "$plain/source.elf"
run set "$plain/source.elf" "Horz Total=368"
expect_success "set of the source"
cp "$image" "$plain/configured.elf"
run configure --from "$plain/source.elf" "$plain/configured.elf"
expect_success "configure of a plain name"

while IFS= read -r file; do
    cp "$image" "$file"
    run show "$file"
    expect_success "show $file"
    grep -qxF "File:              $file" "$work/out" || fail "show $file: no File line"
    run set "$file" "Horz Total=360"
    expect_success "set $file"
    cmp -s "$file" "$plain/set.elf" || fail "set $file: differs from the plain copy"
    run export appcfg "$file" -o "$file.h"
    expect_success "export $file"
    cmp -s "$file.h" "$plain/set.h" || fail "export $file: differs from the plain copy"
done <<LIST
$files
LIST

# All four at once, each named on its summary line.
set --
while IFS= read -r file; do
    set -- "$@" "$file"
done <<LIST
$files
LIST
run configure --from "$plain/source.elf" "$@"
expect_success "configure"
while IFS= read -r file; do
    grep -qxF "OK	$file" "$work/out" || fail "configure: no OK line for $file"
    cmp -s "$file" "$plain/configured.elf" || fail "configure $file: differs from the plain copy"
done <<LIST
$files
LIST

[ "$failures" -eq 0 ] || exit 1
echo "any_name: all passed"
