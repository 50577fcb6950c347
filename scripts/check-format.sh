#!/usr/bin/env bash
# Fails when a C++ source is not formatted as .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find core console app tests bench -name '*.cpp' -o -name '*.h')
[ -n "$files" ] || exit 0
clang-format --dry-run --Werror $files
