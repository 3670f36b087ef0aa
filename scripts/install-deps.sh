#!/usr/bin/env bash
# Installs the Debian 12 packages Kalmo needs.
#   install-deps.sh             everything to build, run, test and benchmark (updates the
#                               package lists first)
#   install-deps.sh --program   only what building and running the program needs, and
#                               nothing at all when that is installed already
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

# Building and running the program. libxkbcommon-dev only answers the toolkit's optional
# check for it, so configuring prints no "Could NOT find" line.
program=(cmake make g++ pkg-config
    qt6-base-dev qt6-qpa-plugins libqt6svg6 qt6-translations-l10n libxkbcommon-dev
    libjpeg-dev libgsf-1-dev libx11-dev
    fonts-wine fonts-dejavu-core)
# Tests, fuzzing, benchmarks, the formatting check, the install checks, and screen checks
# of the windows under a virtual display.
development=(clang clang-format
    libgtest-dev libgmock-dev libbenchmark-dev
    desktop-file-utils appstream
    xvfb xdotool imagemagick)

missing() {
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$' ||
            echo "$package"
    done
}

if [ "${1:-}" = "--program" ]; then
    mapfile -t wanted < <(missing "${program[@]}")
    [ "${#wanted[@]}" -eq 0 ] && exit 0
else
    wanted=("${program[@]}" "${development[@]}")
fi
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${wanted[@]}"
