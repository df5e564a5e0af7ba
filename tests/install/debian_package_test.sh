#!/bin/sh
# debian_package_test.sh PACKAGE.deb: lintian finds no error in the package
# (its warnings are printed); installed with dpkg (as root), the command
# line, its manual page, its panel file and the viewer work from the
# installed places; removed with dpkg, nothing of it is left.
set -u
deb=$1
name=$(dpkg-deb -f "$deb" Package)
status=0
fail() {
    echo "FAIL: $*"
    status=1
}

report=$(lintian "$deb" 2>/dev/null)
echo "$report" | grep '^[WE]: '
if echo "$report" | grep -q '^E: '; then
    fail "lintian finds errors in $deb"
fi

dpkg -i "$deb" >/dev/null || {
    echo "FAIL: dpkg -i $deb"
    exit 1
}
trap 'dpkg -r "$name" >/dev/null 2>&1' EXIT
files=$(dpkg-query -L "$name")

[ "$(command -v 58c22cfg)" = /usr/bin/58c22cfg ] || fail "58c22cfg is $(command -v 58c22cfg)"
58c22cfg --version | grep -q "build 17" || fail "58c22cfg --version"
[ "$(man -w 58c22cfg)" = /usr/share/man/man1/58c22cfg.1.gz ] || fail "man -w 58c22cfg"
58c22cfg panels | grep -qx "Panel file: /usr/lib/$name/PANELS.DEF" || fail "58c22cfg panels"
58c22view /? >/dev/null || fail "58c22view /?"

dpkg -r "$name" >/dev/null || fail "dpkg -r $name"
trap - EXIT
for file in $files; do
    # Directories of the system (/usr/bin) stay; those of the package go.
    if [ -e "$file" ] && { [ ! -d "$file" ] || [ "${file#*"$name"}" != "$file" ]; }; then
        fail "left after dpkg -r: $file"
    fi
done
[ $status -eq 0 ] && echo "The Debian package $deb installs, runs and is removed cleanly"
exit $status
