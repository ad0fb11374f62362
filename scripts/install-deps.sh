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
  qt6-svg-dev          # the icon generator draws its SVG once, rasterises it per size
  desktop-file-utils   # desktop-file-validate in the install tests
  appstream            # appstreamcli validate in the install tests
  lintian              # checks the Debian packages (make deb)
  tidy                 # validates the manual's HTML in the tests
  man-db               # renders the man pages in the install tests
  xdotool              # drives the unpacked game under Xvfb in the install tests
  # the benchmark watches its Xvfb for the start window's map
  libxcb1-dev
  # the layouts' font and Qt's Hungarian texts, embedded at build time
  fonts-liberation2 qt6-translations-l10n
  # look and input tests: a dark qt6ct scheme, pointer and keys on Xvfb
  qt6ct
  libopencv-dev # the level maker's photo edits (imgproc, photo)
  libopencv-contrib-dev # and its segmentation, texture filling and saliency (ximgproc, xphoto, saliency)
  mate-backgrounds     # real photographs (GPL-2+) the level maker's tests make differences on
)
[ $# -gt 0 ] && PKGS=("$@")
# One dpkg-query for all of them: a warm machine pays a few milliseconds.
installed=$( (dpkg-query -W -f='${Package} ${Status}\n' "${PKGS[@]}" 2>/dev/null || true) | awk '/install ok installed/ {print $1}')
missing=()
for p in "${PKGS[@]}"; do
  grep -qxF "$p" <<<"$installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
