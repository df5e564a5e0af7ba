#!/bin/sh
# windows_installer_test.sh i686|x86_64 INSTALLER.exe ZIP: in a fresh Wine
# prefix of that architecture, the installer installs silently into a folder
# of our choice, with its Start-menu entries and its entry in the list of
# installed programs; the command line and the utility's window start from
# there; the zip holds the same files; the uninstaller removes files,
# entries and folder silently. The 64-bit installer is 64-bit code itself.
set -u
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
top=$(cd "$(dirname "$0")/../.." && pwd)
arch=$1
installer=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
zip=$3
version=$(basename "$installer" | sed 's/^K7R58C22-\(.*\)-win..\.exe$/\1/')
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\K7R58C22'
status=0
fail() {
    echo "FAIL ($arch installer): $*"
    status=1
}

WINEPREFIX=$(mktemp -d /tmp/k7r58c22-installer-XXXXXX)
export WINEPREFIX
wine() {
    "$top/scripts/wine-run.sh" "$arch" "$@"
}
# Until every program of the prefix has ended (an uninstaller runs on from a
# copy of itself after the one started has returned).
wait_for_wine() {
    wine wineserver -w
}
trap 'wine wineserver -k 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT

if [ "$arch" = x86_64 ]; then
    x86_64-w64-mingw32-objdump -f "$installer" | grep -q "file format pei-x86-64" ||
        fail "the installer is not 64-bit code"
fi

folder=$WINEPREFIX/drive_c/K7R58C22
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/K7R58C22 software kit"
wine "$installer" /S '/D=C:\K7R58C22' || fail "the silent install ended with status $?"
wait_for_wine
installed=$(cd "$folder" && find . -type f | sed 's|^\./||' | sort)
expected="README.txt
Uninstall.exe
bin/58C22CFG.EXE
bin/58C22CMD.EXE
bin/58C22VIEW.EXE
bin/PANELS.DEF
include/k7r58c22/hal_struct.h"
[ "$installed" = "$expected" ] || fail "installed files:
$installed"
zipped=$(unzip -Z1 "$zip" | grep -v '/$' | sed 's|^[^/]*/||' | sort)
[ "$zipped" = "$(echo "$installed" | grep -vx Uninstall.exe)" ] || fail "the zip holds:
$zipped"
for link in "K7R58C22 Configuration Utility" "K7R58C22 Command Prompt" Uninstall; do
    [ -f "$menu/$link.lnk" ] || fail "no Start-menu entry \"$link\""
done
entry=$(wine reg query "$uninstall_key")
echo "$entry" | grep -q "DisplayVersion *REG_SZ *$version" || fail "uninstall entry: $entry"
echo "$entry" | grep -qF 'C:\K7R58C22\Uninstall.exe' || fail "uninstall entry: $entry"

wine "$folder/bin/58C22CMD.EXE" --version | grep -q "build 17" || fail "58C22CMD.EXE --version"
wine "$folder/bin/58C22CMD.EXE" panels | grep -q '^Panel file: C:\\K7R58C22\\bin\\PANELS.DEF' ||
    fail "58C22CMD.EXE finds no panel file beside it"
"$top/scripts/screenshot-window.sh" "$WINEPREFIX/window.png" "K7R58C22 Configuration Utility" \
    "$top/scripts/gui-run.sh" "$arch" "$folder/bin/58C22CFG.EXE" >/dev/null ||
    fail "the installed utility shows no window"
wait_for_wine

wine "$folder/Uninstall.exe" /S || fail "the silent uninstall ended with status $?"
wait_for_wine
[ ! -e "$folder" ] || fail "left after uninstalling: $(find "$folder")"
[ ! -e "$menu" ] || fail "left after uninstalling: $menu"
wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "the uninstall entry is left"
[ $status -eq 0 ] && echo "The $arch installer $(basename "$installer") installs, runs and uninstalls cleanly"
exit $status
