#!/bin/sh
# The main job: set up, build the native and the Windows programs, show the
# configuration record carried by a freshly built program image, show a
# picture with the viewer on the emulated board, and picture every tab and
# dialog of the utility's window. The Windows programs run from the Windows
# build this host can run (see windows-suites.sh).
set -eu
cd "$(dirname "$0")/.."
scripts/as-root.sh scripts/setup.sh
choice=$(scripts/windows-suites.sh)
arch=$(echo "$choice" | sed -n 1p | cut -d' ' -f1)
echo "$choice" | sed -n 2p
windows=build/mingw-$arch
# The 32-bit programs are the kit's deliverable: built on every host.
scripts/build.sh native mingw-i686 "mingw-$arch"

# A Windows program built by MinGW that carries the viewer's record.
build/native/cli/58c22cfg show build/native/tests/images/carrier.exe

# The viewer on the emulated board: a picture made here, shown centred on
# the 320 x 240 panel in automatic mode, natively and as the Windows program
# under Wine. The emulator writes what the panel shows to the PNG files.
demo=build/demo
mkdir -p "$demo"
convert -size 280x200 gradient:'#ff7e5f-#2b1055' -fill '#ffd23f' -draw 'circle 140,135 140,95' \
    \( -size 280x65 gradient:'#3b8686-#0b2447' \) -gravity south -composite \
    -fill white -draw 'polygon 60,150 80,110 100,150' -draw 'polygon 200,160 215,128 230,160' \
    -quality 92 "$demo/sample.jpg"
K7R58_EMULATOR=$demo/panel.png build/native/view/58c22view "$demo/sample.jpg" /A1
K7R58_EMULATOR=$demo/panel-windows.png scripts/wine-run.sh "$arch" "$windows/view/58C22VIEW.EXE" \
    "$demo/sample.jpg" /A1

# The configuration utility, 58C22CFG.EXE, under Wine on a virtual display,
# opening a copy of the image shown above from its command line.
cp build/native/tests/images/carrier.exe "$demo/carrier.exe"
xvfb-run -a -s "-screen 0 1280x1024x24" scripts/screenshot-window.sh "$demo/58c22cfg.png" \
    "carrier.exe - K7R58C22 Configuration Utility" \
    scripts/gui-run.sh "$arch" "$windows/cfgui/58C22CFG.EXE" "$(pwd)/$demo/carrier.exe"
scripts/screenshots.sh "$arch"
echo
echo "Panel pictures: $demo/panel.png (native), $demo/panel-windows.png ($arch Windows build, $windows)"
echo "The configuration utility ($arch Windows build) with $demo/carrier.exe open: $demo/58c22cfg.png"
echo "The same with the panel preview open beside it: $windows/screenshots/preview_beside_main.png"
