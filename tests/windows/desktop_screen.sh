#!/bin/bash
# kv41.exe under Wine as the player meets it, on a real X server with a window manager, driven
# by real X input and judged by the real screen: Enter on the start screen opens the new game
# dialog and its Enter starts a Learning shift (the timetable file's dialog is left with
# Escape); two clicks on a lever move it in the frame; a click on a box's name opens the bell
# code list, where F1 opens the list's help topic and Down and Enter send a code.
#   desktop_screen.sh BIN [SHOT]    BIN: the Windows build's programs (build-windows/bin)
# Inside scripts/test-windows.sh the display and Wine's server are those of its session; run
# alone, the script starts its own.
set -euo pipefail
bin=$(cd "$1" && pwd)
shot=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
fail() {
    echo "FAIL: $*"
    echo "--- trace"
    tail -20 "$work/trace" 2>/dev/null || true
    exit 1
}
# A command that fails outside fail() ends the script under `set -e`: say which.
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND"' ERR
if [ -n "${DISPLAY:-}" ] && [ -n "${WINEPREFIX:-}" ]; then
    source "$here/wine_session.sh"
    trap cleanup EXIT  # the session's Wine server is not ours to end
else
    source "$here/wine_session.sh"
    StartWine
fi
CopyWindowsProgram "$bin"
cd "$work/bin"

# A rectangle of the screen as raw pixels: its checksum, and how many of its bytes are lit.
area() { import -window root -crop "$1" -depth 8 rgb:- 2>/dev/null; }
sum() { area "$1" | md5sum | cut -c1-32; }
lit() { area "$1" | od -An -v -tu1 | tr -s ' ' '\n' | grep -cv '^0*$' || true; }
# A window's own picture: a dialog over the main window reads black from the root window.
shown() { xwd -id "$1" -silent | convert xwd:- -format '%[fx:int(mean*1000)]' info:; }
# (Searched again until it shows: a search fails outright when another window goes away while
# it looks, and under `set -e` that would end the script without a word.)
appears() {
    local found=""
    for _ in $(seq 100); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) || found=""
        [ -n "$found" ] && break
        sleep 0.2
    done
    echo "$found"
}
wait_for() {  # wait_for SECONDS COMMAND...: until the command succeeds
    local limit=$(($1 * 5))
    shift
    for _ in $(seq "$limit"); do "$@" && return 0; sleep 0.2; done
    return 1
}

wine kv41.exe --trace --tick-ms 3600000 2>"$work/trace" >/dev/null </dev/null &
pids+=($!)
main=$(appears "^Tarrock Junction Signal Box Summer 1954$")
[ -n "$main" ] || fail "no main window"
wait_for 20 grep -q "^layout:" "$work/trace" || fail "no layout in the trace"
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
sleep 1
xdotool key Return
dialog=$(appears "^TOLA select shift$")
[ -n "$dialog" ] || fail "Enter on the start screen opened no new game dialog"
[ "$(shown "$dialog")" -gt 100 ] || fail "the new game dialog shows nothing"
xdotool windowactivate --sync "$dialog" >/dev/null 2>&1 || true
xdotool key Return
files=$(appears "^Create a WTT file$")
[ -n "$files" ] || fail "no timetable file dialog"
xdotool windowactivate --sync "$files" >/dev/null 2>&1 || true
xdotool key Escape
wait_for 20 grep -q "^grid:" "$work/trace" || fail "the shift did not start"

# Where the panel's cells are on the screen: the client area's corner and the cell size.
read -r _ _ _ _ origin _ _ < <(grep "^layout: window" "$work/trace" | tail -1)
read -r _ cw ch sh < <(grep "^grid:" "$work/trace" | tail -1)
x0=${origin%,*}
y0=$((${origin#*,} + sh))  # the top of the panel's first row
cell() { echo "$((x0 + ($1 - 1) * cw + cw / 2)) $((y0 + ($2 - 1) * ch + ch / 2))"; }
message="$((10 * cw))x$ch+$x0+$((y0 + 30 * ch))"
frame="${cw}x$((7 * ch))+$((x0 + 21 * cw))+$((y0 + 22 * ch))"
framed() { [ "$(lit "$frame")" -gt 0 ]; }
wait_for 20 framed || fail "no lever frame on the screen"

# Lever 21: the first click asks for the confirming one on the message line, the second moves
# the lever in its column of the frame.
before=$(sum "$frame")
read -r cx cy < <(cell 22 27)
xdotool mousemove "$cx" "$cy" click 1
prompted() { [ "$(lit "$message")" -gt 0 ]; }
wait_for 5 prompted || fail "no prompt after the lever's first click"
xdotool mousemove "$cx" "$cy" click 1
moved() { [ "$(sum "$frame")" != "$before" ]; }
wait_for 5 moved || fail "lever 21 did not move on the screen"

# Pellingford's name opens the bell code list; F1 there opens its topic.
read -r cx cy < <(cell 3 13)
xdotool mousemove "$cx" "$cy" click 1
list=$(appears "^Select bell code to send")
[ -n "$list" ] || fail "a click on the box's name opened no bell code list"
[ "$(shown "$list")" -gt 100 ] || fail "the bell code list shows nothing"
[ -n "$shot" ] && xwd -id "$list" -silent | convert xwd:- "${shot%.png}-bells.png"
xdotool windowactivate --sync "$list" >/dev/null 2>&1 || true
xdotool key F1
wait_for 10 grep -q "^help: 425$" "$work/trace" || fail "F1 in the bell code list did not ask for its topic"
[ -n "$(appears "^Tarrock Junction Help$")" ] || fail "F1 opened no help window"
xdotool windowactivate --sync "$list" >/dev/null 2>&1 || true
xdotool key Down Return
closed() { [ -z "$(xdotool search --onlyvisible --name "^Select bell code to send" 2>/dev/null)" ]; }
wait_for 5 closed || fail "the bell code list stays after Enter"
sleep 1
[ -n "$shot" ] && xwd -root -silent | convert xwd:- "$shot"

# H opens the held window where the game places it; it stands there longer than a move takes to
# settle, and no place is kept for it, since the player never moved it.
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
xdotool key h
[ -n "$(appears "^Trains held at")" ] || fail "H opened no held window"
sleep 2

# Q asks whether to quit; Enter says yes, and the rating's Enter ends the program. The replay
# then holds the code sent: the second of the list, as Down chose it.
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
xdotool key q
[ -n "$(appears "^Tarrock Junction Signal Box Summer 1954$")" ] || fail "Q asked nothing"
sleep 1
xdotool key Return
rating=$(appears "^TOLA end of session$")
[ -n "$rating" ] || fail "no rating after quitting"
xdotool windowactivate --sync "$rating" >/dev/null 2>&1 || true
xdotool key Return
wait_for 20 test ! -e /proc/"${pids[-1]}" || fail "the program did not end after its rating"
grep -q "^held=" "$work/bin/TOLA.INI" &&
    fail "the held window's place was kept, though the player never moved it: $(cat "$work/bin/TOLA.INI")"
grep -q "^bell 1 1$" "$work/bin/KV41 replay.kv41" ||
    fail "the replay holds no code sent to box 1: $(grep -v "^#" "$work/bin/KV41 replay.kv41" | head -20)"
echo "ok"
