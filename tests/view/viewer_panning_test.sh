#!/bin/sh
# Panning through a real terminal: the viewer runs in a tmux pane, keys are
# sent as a user types them, and the panel picture at the end shows where
# the window stopped. The terminal's mode must be as it was afterwards.
#   viewer_panning_test.sh <program> <samples dir>
set -u
program=$1
samples=$2
work=$(mktemp -d)
server=k7r-view-$$
trap 'tmux -L "$server" kill-server 2>/dev/null; rm -rf "$work"' EXIT

tmux -L "$server" -f /dev/null new-session -d -x 100 -y 30 \
    "stty -g >'$work/before'; K7R58_EMULATOR='$work/panel.png' '$program' '$samples/pan.gif';
     echo \$? >'$work/status'; stty -g >'$work/after'; sleep 30"

# Waits until the pane shows the key help, or gives up after 20 s.
for _ in $(seq 200); do
    tmux -L "$server" capture-pane -p | grep -q 'Move down' && break
    sleep 0.1
done
# 20 steps right stop at 104 (VW - panel width = 100); 5 down stop at 16
# (VH - panel height = 10); unknown keys are ignored.
for _ in $(seq 20); do tmux -L "$server" send-keys 6; done
for _ in $(seq 5); do tmux -L "$server" send-keys 2; done
tmux -L "$server" send-keys x 5
sleep 0.5
tmux -L "$server" send-keys Escape
for _ in $(seq 100); do
    [ -s "$work/after" ] && break
    sleep 0.1
done

failures=0
[ "$(cat "$work/status" 2>/dev/null)" = 0 ] || { echo "FAIL: status $(cat "$work/status" 2>/dev/null)"; failures=1; }
cmp -s "$work/before" "$work/after" || { echo "FAIL: terminal mode not restored"; failures=1; }
# The panel shows image columns 104 to 419 and rows 16 to 249 at its top left.
convert "$samples/pan.gif" -crop 316x234+104+16 +repage -depth 8 "rgb:$work/want.rgb"
convert "$work/panel.png" -crop 316x234+0+0 +repage -depth 8 "rgb:$work/seen.rgb"
cmp -s "$work/want.rgb" "$work/seen.rgb" || { echo "FAIL: panel not at (104, 16)"; failures=1; }
[ "$failures" -eq 0 ] && echo "viewer panning: all checks passed"
exit $failures
