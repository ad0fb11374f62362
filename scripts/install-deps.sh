#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, test and run.
# Packages already present are skipped, so a warm machine pays nothing.
# Given package names as arguments, installs those instead.
set -euo pipefail
PKGS=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev
  fonts-liberation fonts-dejavu-core
  libsdl2-mixer-dev libmp3lame-dev
  xvfb xauth
  libopencv-dev # the level maker's photo edits (imgproc, photo)
)
[ $# -gt 0 ] && PKGS=("$@")
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
