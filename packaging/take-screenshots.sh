#!/usr/bin/env bash
# Takes the metainfo's screenshots from the real screen: the built program on a private Xvfb
# screen of 1280x1024 with a window manager, captured from the root window.
#
#     packaging/take-screenshots.sh [DIRECTORY]    (default: packaging/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-packaging/screenshots}
mkdir -p "$out"
[ -x build/bin/kv41 ] || { echo "build the program first"; exit 1; }
# A copy of the program with its files, so that no settings left in the build tree count.
copy=$(mktemp -d)
cp build/bin/kv41 build/bin/TOLA.TTF build/bin/KV41.qch build/bin/*.wav "$copy"
program=$copy/kv41

exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
xvfb=$!
read -r display <&3
export DISPLAY=":$display"
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm $xvfb 2>/dev/null || true; rm -rf "$copy"' EXIT
sleep 1

# shot NAME SECONDS ARGS...: runs the program with ARGS and captures the screen after SECONDS.
shot() {
  local name=$1 after=$2
  shift 2
  "$program" "$@" >/dev/null 2>&1 &
  local game=$!
  sleep "$after"
  import -window root "$out/$name.png"
  kill "$game" 2>/dev/null || true
  wait "$game" 2>/dev/null || true
  echo "$out/$name.png"
}
shot panel 8 --new 2 1 --tick-ms 150
# Box 1's name heading opens the bell code list.
shot bell-codes 6 --new 2 1 --tick-ms 400 --at 3000 hit:81
