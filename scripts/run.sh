#!/usr/bin/env bash
# Installs what is missing, builds the program alone and starts it on the base in ~/Kalmo,
# the same folder as the installed menu entry uses (or in the folder given).
#   bash scripts/run.sh [FOLDER]
# The first run installs packages and builds (a few minutes); later runs build only what
# changed and start in seconds.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
folder="${1:-$HOME/Kalmo}"

bash "$here/scripts/install-deps.sh" --program
# Configured once; the build itself configures again when a CMake file changes.
if [ ! -f "$here/build/CMakeCache.txt" ]; then
    cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$here/build" --target kalmo -j"$(nproc)"

mkdir -p "$folder"
folder="$(cd "$folder" && pwd)"
echo "Kalmo: база — $folder/Baza.dat. В следующий раз: bash scripts/run.sh"
echo "Kalmo: the base is $folder/Baza.dat. Next time: bash scripts/run.sh"
cd "$folder"
exec "$here/build/kalmo"
