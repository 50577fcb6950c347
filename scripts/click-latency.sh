#!/usr/bin/env bash
# A timed run of the desktop program as the player meets it, on a 1920x1080 X server of its
# own (Xvfb) with a window manager (openbox), at the largest panel font that fits:
#   1. the full panel paint, 500 times (kv41's own paint-timing);
#   2. real clicks on a lever of the frame through the XTest extension, timed from the press
#      to the first changed pixel of the root window (build/bin/kv41_click_latency): the
#      first press of each move puts the lever's prompt on the message line, the confirming
#      press moves the lever in the frame.
#
#     scripts/click-latency.sh [--sound] [--during-code] [CLICKS] [LEVER]
#                                                   (defaults: 200 clicks on lever 21)
#
# --sound: with sound on, as the player has it by default, played to a sound server of the
# script's own (pulseaudio with a null output). --during-code: a lever moved while a box rings a
# code of five beats (1.6 s) on its bell: an Early shift runs at 50 ms a step with the automatic
# signalman at work (switched on from the Game menu) until a box rings 5, when the lever's two
# presses are timed, the first of them taking the box back from him; CLICKS such runs (default
# 5), each timing the prompt and the lever's move.
#
# With KV41_WINDOWS_BIN set (build-windows/bin), the Windows build's kv41.exe is timed the same
# way under Wine instead (no paint timing: step 2 only); the timer is still the Linux build's.
#
# Run it after a build (cmake --build build), on a machine as quiet as can be had: the figures
# are the machine's as much as the program's. The game's clock stands still meanwhile (the
# timer is set to an hour), so that nothing but the clicks changes the areas watched; the sounds
# are off unless --sound.
set -euo pipefail
cd "$(dirname "$0")/.."
sound=0
duringCode=0
while [ $# -gt 0 ]; do
    case "$1" in
    --sound) sound=1 ;;
    --during-code) duringCode=1 ;;
    *) break ;;
    esac
    shift
done
clicks=${1:-200}
[ "$duringCode" = 1 ] && clicks=${1:-5}
lever=${2:-21}
bin=${KV41_BIN:-$PWD/build/bin}  # another build's programs, to compare
[ -x "$bin/kv41_click_latency" ] && { [ -n "${KV41_WINDOWS_BIN:-}" ] || [ -x "$bin/kv41" ]; } ||
    { echo "build kv41 and kv41_click_latency first (cmake --build build)"; exit 2; }

source tests/desktop/x_display.sh
fail() {
    echo "FAIL: $*"
    tail -20 "$work/trace" 2>/dev/null || true
    exit 1
}

if [ -n "${KV41_WINDOWS_BIN:-}" ]; then
    source tests/windows/wine_session.sh
    StartWine 1920x1080x24
    CopyWindowsProgram "$KV41_WINDOWS_BIN"
    sleep 1
    cd "$work/bin"
    wine kv41.exe --new 4 1 --tick-ms 3600000 --trace 2>"$work/trace" >/dev/null </dev/null &
    pids+=($!)
    for _ in $(seq 600); do grep -q "^grid:" "$work/trace" && break; sleep 0.1; done
    sleep 3
else
    CopyProgram "$bin/kv41"
    StartDisplay 1920x1080x24
    if [ "$sound" = 1 ]; then
        printf '[KV41]\r\nSound=1\r\n' >"$work/bin/TOLA.INI"
        mkdir -m 700 "$work/sound"
        HOME="$work/sound" XDG_RUNTIME_DIR="$work/sound" pulseaudio -n --daemonize=no \
            --exit-idle-time=-1 --disable-shm=yes --use-pid-file=no \
            --load="module-null-sink sink_name=kv41_null" \
            --load="module-native-protocol-unix auth-anonymous=1 socket=$work/sound/native" \
            >/dev/null 2>&1 &
        pids+=($!)
        export PULSE_SERVER="unix:$work/sound/native" XDG_RUNTIME_DIR="$work/sound"
        for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
        pactl info >/dev/null 2>&1 || fail "the sound server did not start"
    fi
    sleep 1
    cd "$work"
fi

# Where the panel lies and the cells of the lever and the message line, from the trace.
Locate() {
    read -r _ _ window _ origin _ _ < <(grep "^layout: window" "$work/trace" | tail -1)
    read -r _ cw ch sh < <(grep "^grid:" "$work/trace" | tail -1)
    [ -n "$window" ] && [ -n "$cw" ] || fail "no layout in the trace"
    panelX=${origin%,*}
    panelY=${origin#*,}
    if [ -n "${KV41_WINDOWS_BIN:-}" ]; then
        left=0 top=0  # the Windows program tells where its client area is on the screen
    else
        left=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print $4}')
        top=$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ {print $4}')
    fi
    x0=$((left + panelX))
    y0=$((top + panelY + sh))  # the top of the panel's first row
    # The lever is clicked in the middle of its cell in row 27; the prompt stands on row 31,
    # the lever in its column of the frame, rows 23 to 29.
    clickX=$((x0 + lever * cw + cw / 2))
    clickY=$((y0 + 26 * ch + ch / 2))
    message="$x0,$((y0 + 30 * ch)),$((10 * cw)),$ch"
    frame="$((x0 + lever * cw)),$((y0 + 22 * ch)),$cw,$((7 * ch))"
}

if [ "$duringCode" = 1 ]; then
    [ -z "${KV41_WINDOWS_BIN:-}" ] || fail "--during-code times the Linux program only"
    for run in $(seq "$clicks"); do
        "$work/bin/kv41" --new 2 1 --tick-ms 50 --trace 2>"$work/trace" >/dev/null &
        program=$!
        for _ in $(seq 300); do grep -q "^layout: window" "$work/trace" && break; sleep 0.1; done
        sleep 2
        Locate
        xdotool windowactivate --sync "$window" key alt+g
        sleep 0.5
        xdotool key u
        # A box's five beats are one file, sndBell<box>5.wav.
        code5='^sound: sndBell[1-4]5\.wav$'
        for _ in $(seq 2400); do grep -q "$code5" "$work/trace" && break; sleep 0.05; done
        grep -q "$code5" "$work/trace" || fail "no box rang 5"
        "$bin/kv41_click_latency" --count 2 "$clickX,$clickY:$message" "$clickX,$clickY:$frame" |
            sed "s/^/run $run: /"
        kill "$program" 2>/dev/null || true
        wait "$program" 2>/dev/null || true
    done
    exit 0
fi

if [ -z "${KV41_WINDOWS_BIN:-}" ]; then
    "$work/bin/kv41" --new 4 1 --tick-ms 3600000 --trace --at 3000 paint-timing:500 \
        2>"$work/trace" >/dev/null &
    pids+=($!)
    for _ in $(seq 300); do grep -q "^paint timing: present" "$work/trace" && break; sleep 0.1; done
    grep "^paint timing" "$work/trace" || fail "no paint timing"
fi
Locate
echo "font cell ${cw}x${ch}, lever $lever at $clickX,$clickY"
# A first click gives the window the focus, as a player's does.
xdotool mousemove $((x0 + 4)) $((y0 - sh + 4)) click 1
sleep 1
"$bin/kv41_click_latency" --count "$clicks" \
    "$clickX,$clickY:$message" "$clickX,$clickY:$frame"
