#!/usr/bin/env bash
# Installs the Debian packages the build needs (only the missing ones) and
# configures and builds the game into build/. Shared by play.sh and test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  cmake g++ make pkg-config
  libgtest-dev
  libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev
  libopenal-dev libsndfile1-dev libmp3lame-dev
  libcairo2-dev libstb-dev
  fonts-dejavu-core fonts-liberation fonts-texgyre
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$BUILD_DIR" -j"$(nproc)"
