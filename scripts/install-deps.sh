#!/usr/bin/env bash
# Installs the Debian packages Quenza needs to build, test and play, skipping
# those already present. Uses sudo when not run as root.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config clang-format
    qt6-base-dev qt6-multimedia-dev libqt6opengl6-dev
    qt6-qpa-plugins libgl-dev qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation poppler-utils
    xvfb openbox xdotool x11-utils imagemagick
    orca at-spi2-core python3-pyatspi dbus-x11
    hyperfine python3
    dpkg-dev desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
