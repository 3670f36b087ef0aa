#!/usr/bin/env bash
# Fails when a C++ source differs from what clang-format makes of it (.clang-format).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"
find src tests tools bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run --Werror
echo "Formatting: every source as clang-format writes it."
