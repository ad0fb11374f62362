#!/usr/bin/env bash
# Fills the game folder with what the generators make: level files and music.
# Each generator only writes what is missing or was made by an older version.
set -euo pipefail
BUILD=${1:-build}
GAME="$BUILD/game"
mkdir -p "$GAME/DATA" "$GAME/MUSIC" "$GAME/music"
"$BUILD/tools/levelgen/kovra_levelgen" --out "$GAME/DATA"
"$BUILD/tools/musicgen/kovra_musicgen" --out "$GAME"
