#!/usr/bin/env bash
# The Windows stage of the test command: the game cross-compiled with mingw-w64 (build-windows/),
# then under Wine on a real X server of its own with a window manager: the unit tests, every
# console scenario and replay check through the Windows console, the Linux and Windows builds
# playing the same games and verifying each other's replays (the Linux console of build/ must be
# built), the desktop program's tests when it is built; last the installer and the zip made, the
# installer installed silently, the installed game played and the game uninstalled.
# The Wine prefix is build-windows/wine-prefix, made on the first run.
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "test-windows: $*" >&2; exit 1; }
jobs=$(nproc)
native=$PWD/build/bin/kv41-console
[ -x "$native" ] || fail "build the Linux console first (cmake --build --preset default)"
started=$(date +%s)

echo "== Windows build (mingw-w64)"
cmake --preset windows -DKV41_NATIVE_CONSOLE="$native" >/dev/null
cmake --build --preset windows -j "$jobs"
built=$(date +%s)

echo "== Windows tests (Wine)"
. tests/windows/wine_session.sh
KV41_WINEPREFIX=${KV41_WINEPREFIX:-$PWD/build-windows/wine-prefix} StartWine
ctest --preset windows -j "$jobs"
tested=$(date +%s)

echo "== Windows packages: the installer and the zip"
(cd build-windows && cpack -G "NSIS;ZIP" >/dev/null)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)
ls -l "build-windows/kv41-$version-win64.exe" "build-windows/kv41-$version-win64.zip"
tests/windows/installer_check.sh "build-windows/kv41-$version-win64.exe"
echo "Windows stage: build $((built - started)) s, tests $((tested - built)) s," \
     "packages $(($(date +%s) - tested)) s"
