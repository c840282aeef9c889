#!/usr/bin/env bash
# Installs the Debian 12 packages Trevallion needs to build, test and run, if any are missing,
# and the packages named as arguments (the checks' tools: clang-format, clang-tidy).
# Usage: scripts/install-deps.sh [extra packages...]
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-multimedia-dev qt6-qpa-plugins libgl-dev
    libqt6sql6-sqlite
    libgtest-dev libgmock-dev libbenchmark-dev
    gpsd gpsd-clients gpsbabel
    xvfb xauth fonts-wine fonts-dejavu-core
    desktop-file-utils appstream python3 tzdata
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
