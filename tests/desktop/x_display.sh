# Sourced by the desktop scripts: a scratch directory in $work, the processes in $pids ended on
# exit (an entry "-N" ends the whole process group N), and a real X server of our own with a
# window manager on $DISPLAY. Xvfb picks a free
# display number itself, since other X servers may be running on the machine. The sourcing
# script defines fail() before it calls StartDisplay [WIDTHxHEIGHTxDEPTH] (1280x1024x24 unless
# told).
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill -- "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

StartDisplay() {
    Xvfb -displayfd 3 -screen 0 "${1:-1280x1024x24}" -nolisten tcp 3>"$work/display" 2>/dev/null &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(head -1 "$work/display")"
    # The window manager may find the new server not yet open to it and end at once: it is
    # started again until it answers.
    local manager=""
    for _ in $(seq 100); do
        if [ -z "$manager" ] || ! kill -0 "$manager" 2>/dev/null; then
            openbox >/dev/null 2>&1 &
            manager=$!
            pids+=($manager)
        fi
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return
        sleep 0.2
    done
    fail "the window manager did not start"
}

# The program PATH with its files in $work/bin, so that its settings, replay and saves are the
# script's own; no sound: a wave plays to its end before the window takes more input, and on a
# machine with no audio server the first one holds it up for seconds.
CopyProgram() {
    local from
    from=$(dirname "$1")
    mkdir -p "$work/bin"
    cp "$1" "$from/TOLA.TTF" "$from"/*.wav "$work/bin/"
    cp "$from"/*.qch "$work/bin/" 2>/dev/null || true
    printf '[KV41]\r\nSound=0\r\n' >"$work/bin/TOLA.INI"
}

visible() {  # the first visible window named $1, waited for
    local found=""
    for _ in $(seq 150); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
        [ -n "$found" ] && break
        sleep 0.2
    done
    [ -n "$found" ] || fail "no window named $1"
    echo "$found"
}

# A private session bus for the accessibility tests, so that nothing reaches or starts the
# machine's own. The bus daemon leads a process group of its own, which the services it starts
# (the accessibility bus launcher, its bus and the registry) join; the group is ended on exit,
# since those services would otherwise outlive the bus. Their output goes nowhere: a process
# left holding the caller's output would keep a test runner waiting for the end of it.
StartSessionBus() {
    mkdir -m 700 -p "$work/runtime"
    export XDG_RUNTIME_DIR="$work/runtime"
    setsid dbus-daemon --session --nofork --nopidfile --print-address=3 --print-pid=4 \
        3>"$work/bus" 4>"$work/bus.pid" </dev/null >/dev/null 2>&1 &
    for _ in $(seq 100); do [ -s "$work/bus" ] && [ -s "$work/bus.pid" ] && break; sleep 0.1; done
    [ -s "$work/bus" ] || fail "the session bus did not start"
    pids+=("-$(head -1 "$work/bus.pid")")
    DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus")
    export DBUS_SESSION_BUS_ADDRESS
}
