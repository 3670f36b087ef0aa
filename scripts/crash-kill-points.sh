#!/usr/bin/env bash
# The kill-point crash test on larger bases than the suite uses (8 records): every file
# change of every operation, killed, cut by a power cut and torn at sector boundaries, on
# bases of the sizes given (default 200 and 2000 records). Run by hand; it takes minutes.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD:-$here/build}"
cmake --build "$build" -j2 --target test_crash crash_child >/dev/null
export QT_QPA_PLATFORM=offscreen
for size in "${@:-200 2000}"; do
    for records in $size; do
        echo "== base of $records records"
        KALMO_KILL_POINTS_BASE="$records" "$build/tests/test_crash" \
            --gtest_filter='KillPoints.*' 2>&1 | grep -E 'kill points|I/O errors|OK|FAILED|Failure'
    done
done
