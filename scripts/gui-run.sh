#!/bin/sh
# gui-run.sh i686|x86_64 PROGRAM [ARGUMENT...]: runs a Windows program that
# opens windows, for ctest and the main job: on the display given (a virtual
# one of its own when there is none), inside a Wine virtual desktop, where
# windows get their frames and the focus without a window manager.
set -eu
here=$(dirname "$0")
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
arch=$1
program=$(basename "$2")
"$here/wine-run.sh" "$arch" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v K7R /d 1024x768 /f >/dev/null
"$here/wine-run.sh" "$arch" reg add "HKCU\\Software\\Wine\\AppDefaults\\$program\\Explorer" \
    /v Desktop /d K7R /f >/dev/null
exec "$here/wine-run.sh" "$@"
