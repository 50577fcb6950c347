# Sourced by the scripts that run the Windows programs: a Wine of our own on a real X server of
# our own with a window manager (tests/desktop/x_display.sh), ended on exit.
#   StartWine [WIDTHxHEIGHTxDEPTH]  X server, window manager, and Wine's prefix and server
#   CopyWindowsProgram DIR          the programs of DIR (build-windows/bin) with the files
#                                   beside them into $work/bin, with the sound off
# The prefix is $KV41_WINEPREFIX when set (made by wineboot if it holds none yet), else a new
# one in $work. Wine's server is started first and kept up ("wineserver -p"), and wineboot run
# once, both with their standard streams away from ours: a helper process that inherits a
# caller's pipe keeps it open after the test ends, and ctest or a pipe reader then waits on it.
# The sourcing script defines fail() first.
. "$(dirname "${BASH_SOURCE[0]}")/../desktop/x_display.sh"

export WINEDEBUG=-all
# No prompts for the .NET and HTML engines, which the game never uses and this machine lacks.
export WINEDLLOVERRIDES="mscoree,mshtml="

StopWine() {
    if [ -n "${WINEPREFIX:-}" ]; then wineserver -k </dev/null >/dev/null 2>&1 || true; fi
}
trap 'StopWine; cleanup' EXIT

StartWine() {
    StartDisplay "${1:-1280x1024x24}"
    export WINEPREFIX="${KV41_WINEPREFIX:-$work/wine-prefix}"
    mkdir -p "$(dirname "$WINEPREFIX")"
    # wineboot makes the prefix when there is none yet, with a server that ends when it does;
    # then a server that stays up for the programs that follow.
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot -i </dev/null >/dev/null 2>&1 || fail "wineboot could not make the prefix $WINEPREFIX"
        wineserver -w </dev/null >/dev/null 2>&1 || true
    fi
    wineserver -p </dev/null >/dev/null 2>&1 || fail "wineserver did not start"
    wineboot </dev/null >/dev/null 2>&1 || fail "wineboot failed in $WINEPREFIX"
}

CopyWindowsProgram() {
    mkdir -p "$work/bin"
    cp "$1"/*.exe "$1"/*.wav "$1"/TOLA.TTF "$1"/KV41.CHM "$work/bin/"
    printf '[KV41]\r\nSound=0\r\n' >"$work/bin/TOLA.INI"
}
