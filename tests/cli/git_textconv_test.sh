#!/bin/sh
# git_textconv_test.sh README PROGRAM IMAGE: in a temporary repository set
# up with the README's two lines for program images under git, an image is
# committed, a setting changed with the command line, and git diff and git
# log -p show that setting's line.
set -eu
readme=$1
program=$2
image=$3
repo=$(mktemp -d)
trap 'rm -rf "$repo"' EXIT
bin=$repo/.bin
mkdir "$bin"
ln -s "$program" "$bin/58c22cfg"
PATH=$bin:$PATH

lines=$(grep -E "^    (echo '.*diff=k7r58c22'|git config diff\.k7r58c22\.)" "$readme")
[ "$(echo "$lines" | wc -l)" -eq 2 ] || {
    echo "FAIL: the README's two lines for git are not found: $lines"
    exit 1
}
cd "$repo"
git init -q .
git config user.name test
git config user.email test@example.org
eval "$lines"
cp "$image" fw.elf
git add .gitattributes fw.elf
git commit -qm image
58c22cfg set fw.elf "Horz Total=360" >/dev/null
status=0
for shown in "git diff" "git commit -qam changed && git log -p -1"; do
    out=$(sh -c "$shown")
    if ! echo "$out" | grep -qx -- "-67 Horz Total = 352" ||
        ! echo "$out" | grep -qx -- "+67 Horz Total = 360"; then
        echo "FAIL: $shown shows no change of Horz Total:"
        echo "$out"
        status=1
    fi
done
exit $status
