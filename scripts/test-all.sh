#!/usr/bin/env bash
# Installs the dependencies, builds Kalmo from scratch and runs every test without a
# display: the tests, short fuzzing runs, then the tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer. Any failure or sanitizer finding fails the run.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen
bash "$here/scripts/install-deps.sh"
bash "$here/scripts/check-format.sh"

rm -rf "$here/build" "$here/build-fuzz" "$here/build-asan"
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$here/build" -j"$jobs"
(cd "$here/build" && ctest --output-on-failure -j"$jobs")

bash "$here/scripts/fuzz.sh" 20000

cmake -S "$here" -B "$here/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALMO_SANITIZE=ON \
    -DKALMO_BUILD_BENCHMARKS=OFF
cmake --build "$here/build-asan" -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
(cd "$here/build-asan" && ctest --output-on-failure -j"$jobs")
