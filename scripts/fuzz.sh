#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a number of inputs.
# Usage: scripts/fuzz.sh [RUNS]   (default 20000; use 1000000 for a long run by hand)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
runs="${1:-20000}"
build="$here/build-fuzz"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DKALMO_BUILD_FUZZERS=ON -DKALMO_BUILD_TESTS=OFF -DKALMO_BUILD_BENCHMARKS=OFF
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
for target in "$build"/fuzz/*; do
    [ -f "$target" ] && [ -x "$target" ] || continue
    name="$(basename "$target")"
    echo "== $name: $runs inputs"
    # Seeds from fuzz/corpus/NAME, if any; a NAME.lsan.supp beside the source names leaks
    # inside libraries that are not ours.
    corpus="$(mktemp -d)"
    if [ -d "$here/fuzz/corpus/$name" ]; then cp -r "$here/fuzz/corpus/$name/." "$corpus/"; fi
    suppressions="$here/fuzz/$name.lsan.supp"
    if [ -f "$suppressions" ]; then
        export LSAN_OPTIONS="suppressions=$suppressions" ASAN_OPTIONS=fast_unwind_on_malloc=0
    else
        unset LSAN_OPTIONS ASAN_OPTIONS
    fi
    # Crash and slow-input files go to the build folder, never into the source tree.
    "$target" -artifact_prefix="$build/" -runs="$runs" -rss_limit_mb=2048 -malloc_limit_mb=64 -max_len=65536 -len_control=0 "$corpus"
    rm -rf "$corpus"
done
echo "fuzzing: every target ran $runs inputs without a finding"
