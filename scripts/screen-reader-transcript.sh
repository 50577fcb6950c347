#!/usr/bin/env bash
# What a screen reader hears of ten minutes of a Learning shift, as a transcript: the desktop
# program on an X server of its own, with a private session bus and the accessibility bus, is
# played from the keyboard (a hint, lever 21 moved and back, call attention sent to
# Pellingford, the automatic signalman for the rest) while tests/desktop/reader_transcript.py
# writes down, over AT-SPI, every announcement of the message line, every focus and every
# change of a lever's, a box's or the track circuits' state.
#   scripts/screen-reader-transcript.sh [OUT [PROGRAM]]   (transcript on standard output unless
#                                                          OUT; PROGRAM build/bin/kv41 unless given)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-/dev/stdout}
program=$(realpath "${2:-$root/build/bin/kv41}")
here=$root/tests/desktop
source "$here/x_display.sh"
fail() {
    echo "screen-reader-transcript: $*" >&2
    tail -5 "$work/trace" >&2 2>/dev/null || true
    exit 1
}
[ -x "$program" ] || fail "no program $program: build it first"

StartDisplay
StartSessionBus
CopyProgram "$program"
cd "$work/bin"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# A step every 300 ms, fast running included: ten game minutes are half a minute.
./kv41 --tick-ms 300 --trace >/dev/null 2>"$work/trace" &
pids+=($!)
window=$(visible "Tarrock Junction")
xdotool windowactivate --sync "$window"
sleep 1
key() {  # keys to the game, each given time to be answered
    for k in "$@"; do
        xdotool key "$k"
        sleep 0.7
    done
}
# Start New Game, the new game window's OK (Learning shift), Esc for the timetable file.
key Return
visible "TOLA select shift" >/dev/null
key Return
visible "Create a WTT file" >/dev/null
key Escape
for _ in $(seq 100); do grep -q "^new 4 1" "KV41 replay.kv41" 2>/dev/null && break; sleep 0.1; done
xdotool windowactivate --sync "$window"

# Nothing comes near the box in the shift's first quarter of an hour: the automatic signalman
# (Game menu) runs it to there, and is taken off for the player's turn.
key alt+g u
for _ in $(seq 600); do
    grep -Eq "^time: +6\.(1[4-9]|[2-5][0-9])" "$work/trace" && break
    sleep 0.1
done
grep -Eq "^time: +6\.(1[4-9]|[2-5][0-9])" "$work/trace" || fail "the game did not reach 6.14"
key alt+g u
/usr/bin/python3 "$here/reader_transcript.py" 10 600 >"$work/transcript" 2>"$work/listener" &
listener=$!
pids+=($listener)
for _ in $(seq 100); do grep -q "^listening" "$work/listener" && break; sleep 0.1; done
grep -q "^listening" "$work/listener" || fail "the reader did not listen: $(cat "$work/listener")"
sleep 1
key n              # the hint: the signalman's next move on the message line
key 2 1 Return     # lever 21 chosen, the message line asks for the confirmation
key Return         # ...and moved
key 2 1 Return Return
key F7 Down Return # call attention to Hollowmer Jn from its bell code list
sleep 3
key n
key alt+g u        # the automatic signalman again: he works the box from here
wait "$listener" || true
cat "$work/transcript" >"$out"
