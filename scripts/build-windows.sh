#!/usr/bin/env bash
# Cross-compiles the game for 64-bit Windows with mingw-w64 into build-windows/ (the programs,
# with the files they need beside them, in build-windows/bin/), and with "package" also makes
# the installer and the portable zip in build-windows/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset windows >/dev/null
cmake --build --preset windows
if [ "${1:-}" = package ]; then
    (cd build-windows && cpack -G "NSIS;ZIP")
fi
