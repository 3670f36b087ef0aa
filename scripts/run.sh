#!/usr/bin/env bash
# Installs the dependencies, builds Kalmo and starts it in the current folder.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/install-deps.sh"
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$here/build" -j"$(nproc)"
exec "$here/build/kalmo"
