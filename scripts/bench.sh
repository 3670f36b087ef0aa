#!/usr/bin/env bash
# Builds and runs every benchmark program (build/bench/*) and prints their figures.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$here/build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
for program in "$here"/build/bench/*; do
    [ -f "$program" ] && [ -x "$program" ] || continue
    echo "== $(basename "$program")"
    "$program" --benchmark_counters_tabular=true
done
