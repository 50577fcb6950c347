#!/usr/bin/env bash
# A long soak: the random player plays shift after shift under AddressSanitizer and
# UndefinedBehaviorSanitizer, with the consistency check after every tick.
#
#     scripts/soak.sh [TICKS] [SEED]     (TICKS defaults to 10,000,000)
#
# It prints the ticks, sessions and shifts played and the time taken; a failure prints the
# seed and the console script that plays the failing game again (also saved beside it).
set -euo pipefail
cd "$(dirname "$0")/.."
ticks=${1:-10000000}
seed=${2:-$(date +%s)}
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "$(nproc)" --target kv41-soak
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    build-sanitize/bin/kv41-soak --ticks "$ticks" --seed "$seed"
