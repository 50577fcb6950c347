#!/bin/bash
# The shift explained and played again, on a real X server with a window manager: a Learner
# shift worked by the automatic signalman (switched on from the Game menu) runs to its end; on
# the end-of-session dialog "Review" opens the review window (real key presses throughout); the
# first gain is chosen and "Play again from here" takes the game back to its minute: the
# clock goes on from there with the box in the player's hands, and what had followed is kept as
# a replay of its own. The player then quits; the running replay, rewritten from the minute,
# must reproduce the new end in the console.
#   review_screen.sh PROGRAM CONSOLE [SHOTS_DIRECTORY]
set -euo pipefail
program=$(realpath "$1")
console=$(realpath "$2")
shots=${3:-}
source "$(dirname "$0")/x_display.sh"
replay="$work/bin/KV41 replay.kv41"
fail() {
    echo "FAIL: $*"
    echo "--- trace"
    tail -30 "$work/trace" 2>/dev/null || true
    exit 1
}
CopyProgram "$program"
kv41="$work/bin/$(basename "$program")"
StartDisplay
sleep 1

shot() {  # the window $1 as the screen shows it, into $shots/$2.png
    [ -n "$shots" ] || return 0
    xwd -id "$1" -silent | convert xwd:- "$shots/$2.png"
}

cd "$work"
"$kv41" --new 4 1 --tick-ms 10 --trace 2>"$work/trace" >/dev/null &
game=$!
pids+=($game)
window=$(visible "Learner shift")
for _ in 1 2 3; do
    xdotool windowactivate --sync "$window"
    sleep 0.5
    xdotool key --window "$window" alt+g
    sleep 0.5
    xdotool key u
    sleep 1.5
    grep -q " - \(pull\|put back\|send\|turn\|accept\)" "$work/trace" && break
done
grep -q "You gain" "$work/trace" || sleep 5

# The end of the shift: the end-of-session dialog, with OK focused; Review is the next button.
end=$(visible "TOLA end of session")
grep -q "You gain" "$work/trace" || fail "the signalman gained no points"
sleep 0.5
shot "$end" end_of_session
xdotool key --window "$end" alt+r
review=$(visible "Shift review")
sleep 1.5
shot "$review" review_window
before=$(grep -c "^time:" "$work/trace" || true)
# The first gain or loss, and back to its minute; the review has the keyboard first (on a busy
# machine the keys could reach it before the window manager had given it the focus).
xdotool windowactivate --sync "$review"
xdotool key --window "$review" Down
sleep 0.5
shot "$review" review_row_chosen
xdotool key --window "$review" alt+p
# The clock runs again, from a minute before the shift's end, the box the player's.
for _ in $(seq 100); do
    [ "$(grep -c "^time:" "$work/trace" || true)" -gt $((before + 3)) ] && break
    sleep 0.2
done
[ "$(grep -c "^time:" "$work/trace" || true)" -gt $((before + 3)) ] || fail "the game did not go on"
again=$(grep "^time:" "$work/trace" | sed -n "$((before + 1))p" | tr -d ' ' | sed 's/time://')
case "$again" in 6.* | 7.*) ;; *) fail "back at $again, not within the shift" ;; esac
ls "$work/bin/KV41 replay abandoned at "*.kv41 >/dev/null 2>&1 || fail "the abandoned future was not kept"
moves=$(grep -c " - \(pull\|put back\|send\|turn\|accept\)" "$work/trace" || true)
sleep 3
[ -n "$shots" ] && xwd -root -silent | convert xwd:- "$shots/played_again.png"
[ "$(grep -c " - \(pull\|put back\|send\|turn\|accept\)" "$work/trace" || true)" -eq "$moves" ] ||
    fail "the signalman still works the box"

# Quit (the Game menu's last item asks first), the rating, and the replay checked.
xdotool windowactivate --sync "$window"
xdotool key --window "$window" alt+g
sleep 0.5
xdotool key Up Return
sleep 1
xdotool key Return
for _ in $(seq 50); do grep -q "^# end " "$replay" && break; sleep 0.2; done
grep -q "^# end " "$replay" || fail "the session did not end"
sleep 1
xdotool key Return
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.2; done
mkdir -p "$work/again"
(cd "$work/again" && "$console" --dir "$work/again" --verify "$replay") >"$work/verify" ||
    { cat "$work/verify"; fail "the replay played on from the minute does not verify"; }
echo "ok"
