#!/bin/sh
# screenshot-window.sh OUT.png TITLE COMMAND...: runs the command on the
# current X display, waits (at most a minute) for a window whose title starts
# with TITLE, writes a picture of it to OUT.png and ends the command.
set -eu
out=$1
title=$2
shift 2
"$@" &
pid=$!
window=""
tries=0
while [ -z "$window" ] && [ $tries -lt 60 ]; do
    sleep 1
    tries=$((tries + 1))
    window=$(xwininfo -root -tree | grep -F "\"$title" | awk '{ print $1; exit }') || true
done
status=0
if [ -n "$window" ]; then
    sleep 2 # let it finish painting
    import -window "$window" "$out"
else
    echo "screenshot-window.sh: no window titled \"$title...\" appeared" >&2
    status=1
fi
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
exit $status
