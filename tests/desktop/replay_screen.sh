#!/bin/bash
# A desktop session recorded and played again. On a real X server with a window manager, real
# clicks and keys play three hours of an Early shift with the automatic block instruments
# switched off in the options window: levers, a code chosen from a box's list and one tapped on
# a plunger, a commutator turned, a speed key, a save and a restart (both given while the game
# is busy showing messages, when it takes them at its next wait); the window is closed.
# The replay that the program wrote beside its files must then run in the console to the same
# end (kv41-console --verify), saving the same position byte for byte; and played in the window
# it must end the same again, while the screen shows it.
#   replay_screen.sh PROGRAM CONSOLE [SHOT]
set -euo pipefail
program=$1
console=$2
shot=${3:-}
source "$(dirname "$0")/x_display.sh"
replay="$work/bin/KV41 replay.kv41"
fail() {
    echo "FAIL: $*"
    tail -30 "$work/trace" 2>/dev/null || true
    echo "--- replay"
    grep -v "^position\|^# end" "$replay" 2>/dev/null | tail -60 || true
    exit 1
}

mkdir -p "$work/again"
CopyProgram "$program"
kv41="$work/bin/$(basename "$program")"

StartDisplay
sleep 1

count() { grep -c -- "$2" "$1" 2>/dev/null || true; }
seen() {  # until file $1 has $3 lines matching $2; else fails saying $4
    for _ in $(seq 100); do [ "$(count "$1" "$2")" -ge "$3" ] && return; sleep 0.2; done
    fail "$4"
}
other_window() {  # until a window other than the game's has the keyboard: a dialog came
    for _ in $(seq 100); do
        [ "$(xdotool getactivewindow 2>/dev/null || true)" != "$window" ] && return
        sleep 0.2
    done
    fail "$1"
}

cd "$work"
"$kv41" --new 2 1 --tick-ms 25 --trace 2>"$work/trace" >/dev/null &
game=$!
pids+=($game)
window=$(visible "Early shift")
xdotool windowactivate --sync "$window"
sleep 1
seen "$work/trace" "^grid:" 1 "the window traced no grid"
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
    sleep "${3:-0.3}"
}
lever() {  # lever $1 moved: its handle, then the confirming click a row above, as a hand would
    local prompts moves
    prompts=$(count "$work/trace" "Click on it again to confirm")
    moves=$(count "$replay" "^lever $1\$")
    click $(($1 + 1)) 27
    seen "$work/trace" "Click on it again to confirm" $((prompts + 1)) "lever $1 did not ask"
    click $(($1 + 1)) 26
    seen "$replay" "^lever $1\$" $((moves + 1)) "lever $1 did not move"
}
minute() { count "$work/trace" "^time:"; }
wait_minutes() {  # until the clock has run $1 more minutes
    local until=$(($(minute) + $1))
    for _ in $(seq 600); do [ "$(minute)" -ge "$until" ] && return; sleep 0.2; done
    fail "the clock stood still"
}
game_menu() {  # the Game menu's item $2 places away from its first, going $1 (Up: from its last)
    xdotool windowactivate --sync "$window"
    xdotool key --window "$window" alt+g
    sleep 0.5
    for _ in $(seq "$2"); do xdotool key "$1"; sleep 0.1; done
    xdotool key Return
}
file_dialog() {  # the file dialog that Game menu item $1 opens, answered with file $2
    game_menu Down "$1"
    other_window "no file dialog came"
    sleep 0.5
    xdotool type --delay 50 "$2"
    xdotool key Return
    sleep 1
    xdotool windowactivate --sync "$window"
}

# Options: the block instruments are the signalman's to work (the seventh stop is the
# automatic instruments' box).
xdotool key --window "$window" alt+o
other_window "no options window"
sleep 0.5
for _ in $(seq 7); do xdotool key Tab; sleep 0.1; done
xdotool key space
sleep 0.2
xdotool key Return
seen "$replay" "^option autoblock off" 1 "the automatic instruments stayed on"
xdotool windowactivate --sync "$window"

wait_minutes 10
lever 21                        # over
wait_minutes 5
lever 21                        # and back
click 37 13                     # box 3's name: its bell code list
list=$(visible "Select bell code")
xdotool windowactivate --sync "$list"
xdotool key Down
sleep 0.3
xdotool key Return
seen "$replay" "^bell 3 " 1 "no code was chosen from the list"
xdotool windowactivate --sync "$window"
# Presses while a message is held on the line are not beats of a code: the notice that the
# code may bring has gone by in a minute.
wait_minutes 1
click 15 19 0.1; click 15 19 0.1; click 15 19 1.1; click 15 19 0.1; click 100 1   # 3-1 to box 1
seen "$replay" "^tap 1 " 1 "the tapped code was not taken"
wait_minutes 20
click 45 19                     # box 3's commutator
seen "$replay" "^instrument 3" 1 "the commutator was not turned"
xdotool key --window "$window" plus
seen "$replay" "^key +" 1 "the speed key was not taken"
wait_minutes 30
lever 38                        # a train held on the Down Main: a warning on the line, often
wait_minutes 10
file_dialog 1 "$work/first.sav" # Save As
seen "$replay" "^save " 1 "the save is not in the replay"
[ -s "$work/first.sav" ] || fail "the position was not saved"
wait_minutes 40
file_dialog 4 "$work/first.sav" # Restart, back to the lever pulled
seen "$replay" "^restart " 1 "the restart is not in the replay"
wait_minutes 20
lever 38                        # and back
wait_minutes 40
game_menu Up 1                  # Quit, the menu's last item, which asks first
other_window "no quit question"
sleep 0.5
xdotool key Return
seen "$replay" "^# end " 1 "the session did not end"
other_window "no rating"
sleep 0.5
xdotool key Return                          # the rating
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.2; done

grep -q "^bell 3 1" "$replay" || fail "the chosen code is not in the replay"
cp "$replay" "$work/played.kv41"
(cd "$work/again" && "$console" --dir "$work/again" --verify "$work/played.kv41") >"$work/verify" ||
    { cat "$work/verify"; fail "the console does not reproduce the desktop session"; }
cmp "$work/first.sav" "$work/again/first.sav" || fail "the replay saved another position"

# Watched in the window: fast, with a look at the screen on the way; it ends as recorded.
"$kv41" --replay "$work/played.kv41" --tick-ms 2 --trace 2>"$work/trace" >/dev/null &
game=$!
pids+=($game)
window=$(visible "Early shift")
sleep 4
[ -n "$shot" ] && import -window root "$shot"
# The replay ends the session as the player did, and the program records it afresh.
for _ in $(seq 1500); do grep -q "^# end " "$replay" 2>/dev/null && break; sleep 0.2; done
other_window "the watched replay did not end"
sleep 0.5
xdotool key Return                          # the rating
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.2; done
diff <(grep "^# end " "$work/played.kv41") <(grep "^# end " "$replay") >/dev/null ||
    fail "the replay watched in the window did not end as recorded"
echo "ok"
