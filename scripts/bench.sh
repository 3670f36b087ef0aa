#!/usr/bin/env bash
# Builds every benchmark program (build/bench/*) and prints one table of all their
# figures: operation, base size, time per run and peak resident memory. Each benchmark
# runs in a process of its own, so its peak memory is its own.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$here/build" -j"$(nproc)" >/dev/null
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
programs=()
for program in "$here"/build/bench/*; do
    [ -f "$program" ] && [ -x "$program" ] && programs+=("$program")
done
python3 "$here/scripts/bench_table.py" "${programs[@]}"
