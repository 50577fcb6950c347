#!/bin/bash
# The automatic signalman on the desktop, on a real X server with a window manager: switched on
# from the Game menu by real key presses, he plays the first hour of an Early shift without a
# point lost; then a real click on the panel takes the box back, the status bar (read back from
# the root window) no longer says that he is at work, and he makes no more moves.
#   signalman_screen.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/x_display.sh"
fail() {
    echo "FAIL: $*"
    echo "--- trace"
    tail -40 "$work/trace" || true
    exit 1
}

StartDisplay
sleep 1

# Ticks of 20 ms: an hour of the railway in a minute or so (the messages still hold 2 s each).
"$program" --new 2 1 --tick-ms 20 --trace 2>"$work/trace" >/dev/null &
pids+=($!)
window=$(xdotool search --sync --onlyvisible --name "Early shift" | head -1)
[ -n "$window" ] || fail "no game window"
# How many shades the status bar's left end shows: one while it is plain.
plain() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root -crop "100x24+$((X + 2))+$((Y + 24))" -depth 8 gray:- |
        od -An -v -tu1 | tr -s ' ' '\n' | grep -v '^$' | sort -u | wc -l
}
# A busy machine may lose the menu's keys: tried again until the status bar says he is at work.
for _ in 1 2 3; do
    xdotool windowactivate --sync "$window"
    sleep 1
    xdotool key alt+g
    sleep 0.5
    xdotool key u
    for _ in 1 2 3 4 5 6; do
        sleep 0.5
        [ "$(plain)" -gt 1 ] && break 2
    done
done

# The first hour: the trace notes each minute of the clock.
for _ in $(seq 400); do
    grep -q "^time:  7.00" "$work/trace" && break
    sleep 0.5
done
grep -q "^time:  7.00" "$work/trace" || fail "an hour did not pass"
grep -q " - pull Down Main Home" "$work/trace" || fail "the signalman made no moves"
if grep -q "You lose" "$work/trace"; then fail "points lost"; fi

# The status bar's left end says that he is at work; after the click it is plain again.
[ "$(plain)" -gt 1 ] || fail "the status bar does not show the signalman at work"
xdotool mousemove --window "$window" 400 300 click 1
sleep 3
moves=$(grep -c " - \(pull\|put back\|send\|turn\)" "$work/trace" || true)
sleep 5
[ "$(grep -c " - \(pull\|put back\|send\|turn\)" "$work/trace" || true)" = "$moves" ] ||
    fail "the signalman went on after the player's click"
[ "$(plain)" -eq 1 ] || fail "the status bar still shows the signalman"
echo "ok"
