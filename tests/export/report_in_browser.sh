#!/bin/sh
# report_in_browser.sh CLI IMAGE SCREENSHOTS: the configuration report of a
# VGA TFT panel's configuration opened in headless Chromium. The browser
# must build both pictures inline and fetch nothing; its picture of the page
# goes to SCREENSHOTS/report.png for people to look at.
set -eu
cli=$1
image=$2
screenshots=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$screenshots"

"$cli" panel "$image" "VGA TFT 640x480" -o "$work/vga.elf" >/dev/null
"$cli" report "$work/vga.elf" -o "$work/report.html" >/dev/null

# A fresh profile per run, and none of the browser's own traffic.
browse() {
    profile=$(mktemp -d -p "$work")
    chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$profile" "$@" 2>/dev/null
}

pictures=$(browse --dump-dom "file://$work/report.html" | grep -c "<svg")
if [ "$pictures" -ne 2 ]; then
    echo "report_in_browser.sh: the browser built $pictures pictures, not 2" >&2
    exit 1
fi
rm -f "$screenshots/report.png"
browse --screenshot="$screenshots/report.png" --window-size=1200,2000 "file://$work/report.html" \
    >/dev/null
[ -s "$screenshots/report.png" ] || {
    echo "report_in_browser.sh: no screenshot" >&2
    exit 1
}
echo "report_in_browser.sh: the report's picture is $screenshots/report.png"
