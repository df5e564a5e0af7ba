#!/bin/sh
# wine-run.sh i686|x86_64 PROGRAM [ARGUMENT...]: runs a Windows program of
# that architecture under Wine, quietly, in a prefix of our own for the
# architecture, so that a user's Wine setup is neither needed nor touched.
# The ctest emulator of the Windows builds, and the way to run their
# programs by hand. PROGRAM "wineserver" runs that prefix's Wine server
# (-w waits until its programs have ended, -k ends them).
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
# Only Debian's wine package puts a wineserver on the PATH; this one picks
# the server that the installed loaders need.
export WINESERVER=/usr/lib/wine/wineserver
export WINEARCH="$winearch"
: "${WINEPREFIX:=${XDG_CACHE_HOME:-$HOME/.cache}/k7r58c22-wine-$arch}"
export WINEPREFIX
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ "${1:-}" = wineserver ]; then
    shift
    exec "$WINESERVER" "$@"
fi
# The first run creates the prefix; parallel test runs wait for it. The
# stamp is made once the prefix is whole: Wine writes its files early.
ready=$WINEPREFIX/.k7r58c22-ready
if [ ! -e "$ready" ]; then
    mkdir -p "$WINEPREFIX"
    flock "$WINEPREFIX/.init-lock" sh -c \
        '[ -e "$1" ] || { "$WINELOADER" wineboot -i && "$WINESERVER" -w && touch "$1"; }' \
        sh "$ready" >/dev/null 2>&1 || {
        echo "wine-run.sh: Wine could not set up its prefix $WINEPREFIX" >&2
        exit 1
    }
fi
# Wine's own fonts (caption buttons, MS Sans Serif) lie outside the prefix
# on Debian; windows look right only once the prefix sees them.
fonts=$WINEPREFIX/drive_c/windows/Fonts
if [ -d /usr/share/wine/fonts ] && [ ! -e "$fonts/marlett.ttf" ]; then
    mkdir -p "$fonts"
    ln -sf /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
fi
exec "$loader" "$@"
