#!/usr/bin/env bash
# The Windows installer under Wine: it installs silently under Program Files with a Start menu
# entry and an entry in the installed programs; the installed game starts and keeps the player's
# files in the player's application data folder (not beside the program, which Wine lets any
# program write); the uninstaller removes everything the installer put there and leaves the
# player's files. Run inside a Wine session (tests/windows/wine_session.sh).
#     installer_check.sh INSTALLER.exe
set -euo pipefail
fail() { echo "installer: $*" >&2; exit 1; }
installer=$(readlink -f "$1")
[ -f "$installer" ] || fail "no installer $1"
[ -n "${WINEPREFIX:-}" ] || fail "no Wine session"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
drive="$WINEPREFIX/drive_c"
target="$drive/Program Files/KV41"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\KV41'
appdata=$(wine cmd /c echo %APPDATA% </dev/null 2>/dev/null | tr -d '\r')
appdata=$(winepath -u "$appdata" 2>/dev/null)
[ -d "$appdata" ] || fail "no application data folder ($appdata)"
# What the prefix holds, apart from Wine's own temporary and registry files.
listing() {
    (cd "$drive" && find . -path ./windows -prune -o -path "./users/*/Temp" -prune \
        -o -path "./users/*/AppData/Local/Temp" -prune -o -print) | sort
}
rm -rf "$appdata/KV41"
listing >"$tmp/before.txt"

wine "$installer" /S </dev/null >/dev/null 2>&1 || fail "the installer failed"
for f in kv41-console.exe KV41.CHM TOLA.TTF sndBell1.wav Uninstall.exe; do
    [ -f "$target/$f" ] || fail "not installed: $f"
done
wine reg query "$key" </dev/null 2>/dev/null | grep -q "DisplayName" ||
    fail "no entry in the installed programs"
# The Start menu folder: the game (when the desktop program is built) and its uninstaller.
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Tarrock Junction"
entries=(Uninstall.lnk)
[ -f "$target/kv41.exe" ] && entries+=("Tarrock Junction.lnk")
for entry in "${entries[@]}"; do
    [ -f "$menu/$entry" ] || fail "no Start menu entry $entry"
done

# The installed console plays a shift to its end with the score log and autosave on: both go
# to the player's folder.
(cd "$tmp" && printf 'new 1 1\noption log on\noption autosave on\nauto on\n' |
    wine "C:\\Program Files\\KV41\\kv41-console.exe" --seed 5 2>&1) >"$tmp/played.txt"
grep -q "^rating: " "$tmp/played.txt" || fail "the installed console did not play a shift: $(tail "$tmp/played.txt")"
for f in "KV41 log.txt" "KV41 autosave.sav" TOLA.INI; do
    [ -f "$appdata/KV41/$f" ] || fail "$f is not in the player's folder $appdata/KV41"
done
if ls "$target" | grep -q -i -E "log|autosave|\.ini$"; then fail "player's files beside the installed program"; fi
if [ -f "$target/kv41.exe" ]; then
    # The desktop program starts, makes its window and ends by itself.
    timeout 60 wine "C:\\Program Files\\KV41\\kv41.exe" --exit-after 3000 </dev/null >/dev/null 2>&1 ||
        fail "the installed kv41.exe did not start and end"
fi

# The uninstaller copies itself away and returns at once: wait for the folder to go.
wine "C:\\Program Files\\KV41\\Uninstall.exe" /S </dev/null >/dev/null 2>&1 || fail "the uninstaller failed"
for _ in $(seq 100); do [ -e "$target" ] || break; sleep 0.3; done
[ ! -e "$target" ] || fail "left installed: $(cd "$target" && ls)"
! wine reg query "$key" </dev/null >/dev/null 2>&1 || fail "the installed programs entry stayed"
[ -f "$appdata/KV41/KV41 log.txt" ] || fail "the uninstaller removed the player's files"
rm -rf "$appdata/KV41"
listing >"$tmp/after.txt"
if ! diff "$tmp/before.txt" "$tmp/after.txt" >"$tmp/left.txt"; then
    fail "left behind by the uninstaller: $(cat "$tmp/left.txt")"
fi
echo "ok: installed, played, uninstalled"
