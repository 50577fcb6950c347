#!/bin/bash
# The box worked from the keyboard alone and followed with a screen reader, on a real X server
# with a window manager: from the start screen to a Learning shift, lever 21 chosen by typing
# its number and moved by Enter, call attention sent to Pellingford from its bell code list and
# tapped to Hollowmer Jn on its plunger's key, all by X key events (no mouse event at all); each
# is checked in the session's replay and on the screen (read back from the root window).
#   keyboard_screen.sh PROGRAM [reader]
# With "reader" the game runs on a private session bus with the accessibility bus, and the
# screen reader's view (tests/desktop/screen_reader.py, AT-SPI) must find lever 21 by name with
# its state, see the state change when the lever moves, and hear the message line's new text.
set -euo pipefail
program=$1
mode=${2:-keys}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x_display.sh"
fail() {
    echo "FAIL: $*"
    echo "--- trace"
    tail -20 "$work/trace" || true
    [ -f "$work/events" ] && { echo "--- reader"; cat "$work/events"; }
    exit 1
}
count() {
    local n
    n=$(grep -c -- "$2" "$1" 2>/dev/null || true)
    echo "${n:-0}"
}
seen() {  # until file $1 holds $3 lines matching $2, else fail with $4
    for _ in $(seq 100); do [ "$(count "$1" "$2")" -ge "$3" ] && return; sleep 0.1; done
    fail "$4"
}
reader() { /usr/bin/python3 "$here/screen_reader.py" "$@"; }

StartDisplay
[ "$mode" = reader ] && StartSessionBus
CopyProgram "$program"
cd "$work/bin"
replay="$work/bin/KV41 replay.kv41"
[ "$mode" = reader ] && export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
./kv41 --trace 2>"$work/trace" >/dev/null &
pids+=($!)
window=$(xdotool search --sync --onlyvisible --name "Tarrock Junction" | head -1)
[ -n "$window" ] || fail "no game window"
xdotool windowactivate --sync "$window"
sleep 1
await() {  # until a window named $1 is shown (a busy machine may take its time)
    for _ in $(seq 150); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && return
        sleep 0.2
    done
    fail "no window named $1"
}
# The start screen's Start New Game, the new game window's OK (the Learning shift is chosen
# there already), and Esc for the offer of the timetable file.
xdotool key Return
await "TOLA select shift"
sleep 0.5
xdotool key Return
await "Create a WTT file"
sleep 0.5
xdotool key Escape
seen "$replay" "^new 4 1" 1 "no Learning shift started"
seen "$work/trace" "^grid:" 1 "the window traced no grid"
read -r _ cw ch sh < <(grep -m1 "^grid:" "$work/trace")
xdotool windowactivate --sync "$window"
sleep 1
# Where the window's client area lies on the root window, as the X server has it.
X=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left X: *//p')
Y=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left Y: *//p')
HEIGHT=$(xwininfo -id "$window" | sed -n 's/.*Height: *//p')
menu=$((HEIGHT - 32 * ch - sh - 5))
pixel() {  # the colour on the screen at panel pixel $1, $2 (the status band counted)
    import -window root -crop "1x1+$((X + $1))+$((Y + menu + $2))" -depth 8 rgb:- |
        od -An -tu1 | tr -s ' ' | sed 's/^ //'
}
area() {  # a digest of panel cells $1..$2, rows $3..$4 as the screen shows them
    import -window root -crop "$((($2 - $1 + 1) * cw))x$((($4 - $3 + 1) * ch))+$((X + ($1 - 1) * cw))+$((Y + menu + sh + ($3 - 1) * ch))" \
        -depth 8 rgb:- | md5sum
}
units() { echo $(($1 * 5 * cw / 32)); }
# Lever 21 (points: black) in the lower half of its slot when reversed, silver when normal.
lever21() { pixel $((21 * cw + $(units 3))) $((25 * ch + $(units 37))); }

if [ "$mode" = reader ]; then
    for _ in $(seq 50); do reader find "Lever 21" >"$work/found" && break; sleep 0.2; done
    grep -q "^Lever 21, North Crossover | Normal, free" "$work/found" ||
        fail "the reader did not find lever 21 normal: $(cat "$work/found")"
    # Started as itself, not through the function: the process ended on exit must be the
    # listener, not a subshell that would leave it holding our output for its whole time.
    /usr/bin/python3 "$here/screen_reader.py" listen 120 >"$work/events" &
    pids+=($!)
    seen "$work/events" "^listening" 1 "the reader did not listen"
    sleep 1
fi

[ "$(lever21)" = "192 192 192" ] || fail "lever 21 is not drawn normal: $(lever21)"
xdotool key 2 1
sleep 0.5
xdotool key Return
seen "$work/trace" "Lever 21, North Crossover is Normal. Press Enter to confirm move" 1 \
    "typing 21 and Enter did not select lever 21"
xdotool key Return
seen "$replay" "^lever 21$" 1 "Enter again did not move lever 21"
sleep 0.5
[ "$(lever21)" = "0 0 0" ] || fail "lever 21 is not drawn reversed: $(lever21)"

# Call attention from Pellingford's list: F5, one line down, Enter. The box answers it on its
# bell indicator.
box1=$(area 1 18 15 21)
xdotool key F5
await "Select bell code to send"
sleep 0.5
xdotool key Down
sleep 0.3
xdotool key Return
seen "$replay" "^bell 1 1$" 1 "the list did not send call attention to Pellingford"
for _ in $(seq 50); do [ "$(area 1 18 15 21)" != "$box1" ] && break; sleep 0.2; done
[ "$(area 1 18 15 21)" != "$box1" ] || fail "Pellingford's instruments did not answer on the screen"

# Call attention tapped on Hollowmer Jn's plunger (F11): one beat, and Esc ends the code.
box3=$(area 37 54 15 21)
xdotool key F11
sleep 0.5
xdotool key Escape
seen "$replay" "^tap 3" 1 "the tapped code is not in the replay"
for _ in $(seq 50); do [ "$(area 37 54 15 21)" != "$box3" ] && break; sleep 0.2; done
[ "$(area 37 54 15 21)" != "$box3" ] || fail "Hollowmer Jn did not answer the tapped code"
xwd -root -silent | convert xwd:- "$work/keys.png"
[ -n "${KV41_SHOT:-}" ] && cp "$work/keys.png" "$KV41_SHOT"

if [ "$mode" = reader ]; then
    reader find "Lever 21" >"$work/found" || true
    grep -q "^Lever 21, North Crossover | Reversed, free" "$work/found" ||
        fail "the reader does not see lever 21 reversed: $(cat "$work/found")"
    seen "$work/events" "^focus | Lever 21, North Crossover" 1 "lever 21 was not focused"
    seen "$work/events" "^state | Lever 21, North Crossover | Reversed" 1 \
        "the reader was not told that lever 21 moved"
    seen "$work/events" "^announce | Message line | Lever 21, North Crossover is Normal. Press Enter" 1 \
        "the prompt was not announced"
    seen "$work/events" "^announce | Message line | Hollowmer Jn rings 1 (Call attention)" 1 \
        "Hollowmer Jn's answer was not announced"
fi
# No mouse event was given: the replay holds no click of its own.
if grep -q "^click" "$replay"; then fail "the replay holds clicks: $(grep '^click' "$replay")"; fi
echo "ok"
