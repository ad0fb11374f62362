#!/usr/bin/env bash
# Installs what the fuzzers and the sanitizer builds need on top of the
# game's own packages: clang with its sanitizer and libFuzzer runtimes, and
# valgrind for the leak check. Packages already present are skipped.
set -euo pipefail
PKGS=(
  clang libclang-rt-14-dev llvm
  valgrind
)
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
