#!/bin/sh
# wine-run.sh i686|x86_64 PROGRAM [ARGUMENT...]: runs a Windows program of
# that architecture under Wine, quietly, in a prefix of our own for the
# architecture, so that a user's Wine setup is neither needed nor touched.
# The ctest emulator of the Windows builds, and the way to run their
# programs by hand.
set -eu
case "${1:-}" in
i686)
    loader=/usr/lib/wine/wine
    winearch=win32
    package=wine32
    ;;
x86_64)
    loader=/usr/lib/wine/wine64
    winearch=win64
    package=wine64
    ;;
*)
    echo "usage: wine-run.sh i686|x86_64 PROGRAM [ARGUMENT...]" >&2
    exit 2
    ;;
esac
arch=$1
shift
if [ ! -x "$loader" ]; then
    echo "wine-run.sh: $loader is missing: the $arch Windows programs need Debian's $package" >&2
    exit 127
fi
# The loader is called directly: Debian's wine script picks the 32-bit one
# whenever it is installed, even for 64-bit programs, and it cannot start on
# a host that runs no 32-bit code. WINELOADER makes the processes Wine
# starts itself use the same one.
export WINELOADER="$loader"
export WINEARCH="$winearch"
: "${WINEPREFIX:=${XDG_CACHE_HOME:-$HOME/.cache}/k7r58c22-wine-$arch}"
export WINEPREFIX
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -e "$WINEPREFIX/system.reg" ]; then
    # The first run creates the prefix; parallel test runs wait for it.
    mkdir -p "$WINEPREFIX"
    flock "$WINEPREFIX/.init-lock" sh -c \
        '[ -e "$WINEPREFIX/system.reg" ] || { "$WINELOADER" wineboot -i && wineserver -w; }' \
        >/dev/null 2>&1
fi
# Wine's own fonts (caption buttons, MS Sans Serif) lie outside the prefix
# on Debian; windows look right only once the prefix sees them.
fonts=$WINEPREFIX/drive_c/windows/Fonts
if [ -d /usr/share/wine/fonts ] && [ ! -e "$fonts/marlett.ttf" ]; then
    mkdir -p "$fonts"
    ln -sf /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
fi
exec "$loader" "$@"
