#!/usr/bin/env bash
# Installs the Debian 12 packages Kidplay needs to build, run and test. Safe to run again.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev clang-format
  libsdl2-dev libsdl2-ttf-dev libsdl2-image-dev librsvg2-dev libcairo2-dev
  libfluidsynth-dev timgm6mb-soundfont musescore-general-soundfont-small fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth xdotool
  desktop-file-utils appstream dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
