#!/bin/sh
# Runs a Windows program under Wine for ctest; quiet, and with a prefix of
# our own so that a user's Wine setup is neither needed nor touched.
: "${WINEPREFIX:=${XDG_CACHE_HOME:-$HOME/.cache}/k7r58c22-wine}"
export WINEPREFIX
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -e "$WINEPREFIX/system.reg" ]; then
    # The first run creates the prefix; parallel test runs wait for it.
    mkdir -p "$WINEPREFIX"
    flock "$WINEPREFIX/.init-lock" sh -c '[ -e "$WINEPREFIX/system.reg" ] || { wineboot -i && wineserver -w; }' >/dev/null 2>&1
fi
# Wine's own fonts (caption buttons, MS Sans Serif) lie outside the prefix
# on Debian; windows look right only once the prefix sees them.
fonts=$WINEPREFIX/drive_c/windows/Fonts
if [ -d /usr/share/wine/fonts ] && [ ! -e "$fonts/marlett.ttf" ]; then
    mkdir -p "$fonts"
    ln -sf /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
fi
exec wine "$@"
