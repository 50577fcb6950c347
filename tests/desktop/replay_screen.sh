#!/bin/bash
# A desktop session recorded and played again. On a real X server with a window manager, real
# clicks and keys play some hours of an Early shift: levers, a code chosen from a box's list and
# one tapped on a plunger, a commutator, a speed key, a save and a restart; the window is closed.
# The replay that the program wrote beside its files must then run in the console to the same
# end (kv41-console --verify), saving the same position byte for byte; and played in the window
# it must end the same again, while the screen shows it.
#   replay_screen.sh PROGRAM CONSOLE [SHOT]
set -euo pipefail
program=$(realpath "$1")
console=$(realpath "$2")
shot=${3:-}
source "$(dirname "$0")/x_display.sh"
fail() {
    echo "FAIL: $*"
    tail -30 "$work/trace" 2>/dev/null || true
    echo "--- replay"
    grep -v "^position\|^# end" "$work/bin/KV41 replay.kv41" 2>/dev/null | head -80 || true
    exit 1
}

# The program with its files in a directory of our own, so that its replay and settings are ours.
mkdir -p "$work/bin" "$work/again"
from=$(dirname "$program")
cp "$program" "$from/TOLA.TTF" "$from"/*.wav "$work/bin/"
cp -r "$from/help" "$work/bin/" 2>/dev/null || true
cp "$from"/*.qch "$work/bin/" 2>/dev/null || true
kv41="$work/bin/$(basename "$program")"
# No sound: a wave plays to its end before the window takes more input, and on a machine with
# no audio server the first one holds it up for seconds.
printf '[KV41]\r\nSound=0\r\n' >"$work/bin/TOLA.INI"

StartDisplay
sleep 1

cd "$work"
"$kv41" --new 2 1 --tick-ms 25 --trace 2>"$work/trace" >/dev/null &
game=$!
pids+=($game)
window=$(xdotool search --sync --onlyvisible --name "Early shift" | head -1)
[ -n "$window" ] || fail "no game window"
xdotool windowactivate --sync "$window"
sleep 1
for _ in $(seq 50); do grep -q "^grid:" "$work/trace" && break; sleep 0.2; done
read -r _ cw ch sh < <(grep -m1 "^grid:" "$work/trace")
eval "$(xdotool getwindowgeometry --shell "$window")"
menu=$((HEIGHT - 32 * ch - sh - 5))
click() {  # a real press on panel cell $1, $2, held a moment as a hand would
    xdotool mousemove --window "$window" $((($1 - 1) * cw + cw / 2)) \
        $((menu + sh + ($2 - 1) * ch + ch / 2))
    sleep 0.05
    xdotool mousedown 1
    sleep 0.08
    xdotool mouseup 1
    sleep "${3:-0.6}"
}
minute() { grep -c "^time:" "$work/trace" || true; }
wait_minutes() {  # until the clock has run $1 more minutes
    local until=$(($(minute) + $1))
    for _ in $(seq 600); do [ "$(minute)" -ge "$until" ] && return; sleep 0.2; done
    fail "the clock stood still"
}
game_menu() {  # the Game menu's item $1 by its place, counted from the top
    xdotool key --window "$window" alt+g
    WaitForMenu
    for _ in $(seq "$1"); do xdotool key Down; sleep 0.1; done
    xdotool key Return
    sleep 1
}

wait_minutes 10
# Each move is confirmed a row above the first press, as a hand would.
click 22 27; click 22 26        # lever 21 over, confirmed
wait_minutes 5
click 22 27; click 22 26        # and back
click 37 13                     # box 3's name: its bell code list
list=$(xdotool search --sync --onlyvisible --name "Select bell code" | head -1)
xdotool windowactivate --sync "$list"
xdotool key Down
sleep 0.3
xdotool key Return
sleep 3                         # the chosen code's message flashes for two seconds
click 15 19 0.1; click 15 19 0.1; click 15 19 1.1; click 15 19 0.1; click 100 1   # 3-1 to box 1
wait_minutes 20
click 45 19                     # box 3's commutator
xdotool key --window "$window" plus
wait_minutes 30
game_menu 1                     # Save As
xdotool type --delay 50 "$work/first.sav"
xdotool key Return
sleep 3
[ -s "$work/first.sav" ] || fail "the position was not saved"
wait_minutes 40
click 39 27; click 39 26        # lever 38
wait_minutes 20
game_menu 4                     # Restart
xdotool type --delay 50 "$work/first.sav"
xdotool key Return
sleep 3
wait_minutes 60
xdotool windowactivate --sync "$window"
xdotool key --window "$window" alt+g      # Game menu, its last item: Quit, which asks first
WaitForMenu
xdotool key Up Return
sleep 1
xdotool key Return
sleep 2
xdotool key Return                          # the rating
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.2; done

replay="$work/bin/KV41 replay.kv41"
[ -s "$replay" ] || fail "no replay was written"
grep -q "^restart " "$replay" || fail "the restart is not in the replay"
grep -q "^save " "$replay" || fail "the save is not in the replay"
grep -q "^tap 1 " "$replay" || fail "the tapped code is not in the replay"
grep -q "^bell 3 1" "$replay" || fail "the chosen code is not in the replay"
grep -q "^lever 21" "$replay" || fail "the lever is not in the replay"
cp "$replay" "$work/played.kv41"
(cd "$work/again" && "$console" --dir "$work/again" --verify "$work/played.kv41") >"$work/verify" ||
    { cat "$work/verify"; fail "the console does not reproduce the desktop session"; }
cmp "$work/first.sav" "$work/again/first.sav" || fail "the replay saved another position"

# Watched in the window: fast, with a look at the screen on the way; it ends as recorded.
"$kv41" --replay "$work/played.kv41" --tick-ms 2 --trace 2>"$work/trace" >/dev/null &
game=$!
pids+=($game)
window=$(xdotool search --sync --onlyvisible --name "Early shift" | head -1)
sleep 4
[ -n "$shot" ] && import -window root "$shot"
# The replay ends the session as the player did, and the program records it afresh.
for _ in $(seq 1500); do grep -q "^# end " "$replay" 2>/dev/null && break; sleep 0.2; done
sleep 1
xdotool key Return                          # the rating
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.2; done
diff <(grep "^# end " "$work/played.kv41") <(grep "^# end " "$replay") >/dev/null ||
    fail "the replay watched in the window did not end as recorded"
echo "ok"
