#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build (unit tests, console
# scenarios, the desktop program offscreen and under Xvfb, format check), then the core and
# console again under AddressSanitizer and UndefinedBehaviorSanitizer with a bounded soak (a
# million ticks of random play), bounded runs of the saved-position loader's and the console's
# fuzzers under libFuzzer, and last the Debian package, built, checked and installed into a
# fresh Debian 12 root (scripts/check-package.sh, about four minutes); last the Windows build,
# its tests under Wine, its installer and zip (scripts/test-windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

echo "== format"
scripts/check-format.sh

echo "== build"
cmake --preset default >/dev/null
cmake --build --preset default -j "$jobs"
echo "== tests"
ctest --preset default -j "$jobs"

echo "== sanitizer build"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "$jobs"
echo "== sanitizer tests"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset sanitize -j "$jobs"

echo "== fuzzing the saved-position loader and the console's command lines (libFuzzer)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs" --target kv41_position_fuzzer kv41_console_fuzzer
ctest --preset fuzz -R "position_fuzzer|console_fuzzer"

echo "== the Debian package: built, linted, installed into a fresh Debian 12 root and played"
scripts/check-package.sh

echo "== Windows: built with mingw-w64, tested under Wine, packaged, installed and uninstalled"
scripts/test-windows.sh
