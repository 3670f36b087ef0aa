#!/usr/bin/env bash
# Installs everything Kalmo needs to build, run, test and benchmark on Debian 12.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends \
    cmake make g++ clang clang-format pkg-config \
    qt6-base-dev qt6-qpa-plugins libqt6svg6 qt6-translations-l10n \
    libjpeg-dev libgsf-1-dev libx11-dev \
    libgtest-dev libgmock-dev libbenchmark-dev \
    fonts-wine fonts-dejavu-core \
    desktop-file-utils appstream
# Screen checks of the windows under a virtual display.
$SUDO apt-get install -y --no-install-recommends xvfb xdotool imagemagick
