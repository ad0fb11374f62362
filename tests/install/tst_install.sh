#!/usr/bin/env bash
# The install tests, one mode per run:
#   layout   cmake --install into a prefix: the files a desktop expects, and
#            desktop-file-validate and appstreamcli agree with them
#   package  the Debian package by CPack: lintian finds no error; unpacked
#            read-only, a level is played with a fresh HOME: the roster and
#            the settings land in the player's folder, nothing under the tree
#   portable a copy of the game folder: everything stays beside the game
# Content: levels 1 and 2 with short music, by the real generators.
# Usage: tst_install.sh <mode> <build dir> <kovra_smallcontent>
set -euo pipefail
mode=$1 build=$2 smallcontent=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/play.sh"
appid=hu.k2muhely.kovra2

tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp" 2>/dev/null; rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$smallcontent" "$tmp/content" "$build/game/kezikonyv.html" >"$tmp/points"
[ -s "$tmp/points" ] || fail "no difference points for level 1"

# A byte of a file, as a number.
byte_at() { od -An -tu1 -j "$2" -N1 "$1" | tr -d ' '; }

# The player "Teszt" finished level 1: a roster of 484 bytes with one player
# now at level 2, whole settings, and no scratch pictures left behind.
check_saved() {
  local dir=$1
  [ "$(stat -c %s "$dir/players.dat")" = 484 ] || fail "players.dat is not 484 bytes in $dir"
  [ "$(byte_at "$dir/players.dat" 0)" = 1 ] || fail "not one player in $dir/players.dat"
  [ "$(byte_at "$dir/players.dat" 35)" = 2 ] || fail "the player is not at level 2"
  [ "$(stat -c %s "$dir/settings.dat")" = 4 ] || fail "settings.dat is not 4 bytes in $dir"
  [ ! -e "$dir/BAL.BMP" ] && [ ! -e "$dir/JOBB.BMP" ] || fail "scratch pictures left in $dir"
}

# Every path, size and time under a tree, to see that nothing was written.
snapshot() { (cd "$1" && find . -printf '%p %s %T@ %m\n' | sort); }

case $mode in
layout)
  KOVRA_CONTENT_DIR="$tmp/content" cmake --install "$build" --prefix "$tmp/P" >/dev/null
  P=$tmp/P
  for f in bin/kovra2 share/kovra2/DATA/001.DAT share/kovra2/DATA/002.DAT share/kovra2/music/000.mp3 \
           share/kovra2/MUSIC/001.MP3 share/kovra2/kezikonyv.html \
           share/applications/$appid.desktop share/metainfo/$appid.metainfo.xml \
           share/icons/hicolor/scalable/apps/$appid.svg share/man/man6/kovra2.6.gz \
           share/doc/kovra2/copyright; do
    [ -f "$P/$f" ] || fail "missing $f"
  done
  for s in 16 32 48 64 128 256; do
    png=$P/share/icons/hicolor/${s}x${s}/apps/$appid.png
    [ -f "$png" ] || fail "missing ${s} px icon"
    size=$(od -An -tu1 -j 16 -N 8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [ "$size" = "${s}x${s}" ] || fail "the ${s} px icon is $size"
  done
  [ -z "$(find "$P/share/kovra2" -name 'players.dat' -o -name 'settings.dat' -o -name '*.BMP')" ] || fail "player files installed"
  "$P/bin/kovra2" --help | grep -q "$P/share/kovra2/" || fail "--help does not name $P/share/kovra2/"
  out=$(desktop-file-validate "$P/share/applications/$appid.desktop" 2>&1) || true
  [ -z "$out" ] || fail "desktop-file-validate: $out"
  if [ -e "$P/bin/kovra2-editor" ]; then # the level maker, when it is built
    out=$(desktop-file-validate "$P/share/applications/$appid.editor.desktop" 2>&1) || fail "no level maker entry: $out"
    zcat "$P/share/man/man6/kovra2-editor.6.gz" | grep -q '^.TH KOVRA2-EDITOR 6' || fail "no man page for the level maker"
    [ -z "$out" ] || fail "desktop-file-validate: $out"
  fi
  out=$(appstreamcli validate --no-net --no-color "$P/share/metainfo/$appid.metainfo.xml" 2>&1) || fail "appstreamcli: $out"
  echo "$out" | grep -E '^(E|W):' && fail "appstreamcli: $out"
  man -l "$P/share/man/man6/kovra2.6.gz" >/dev/null 2>&1 || zcat "$P/share/man/man6/kovra2.6.gz" | grep -q '^.TH KOVRA2 6' || fail "no man page"
  ;;
package)
  (cd "$tmp" && KOVRA_CONTENT_DIR="$tmp/content" cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/pkg" >"$tmp/cpack.log" 2>&1) \
    || { cat "$tmp/cpack.log"; fail "cpack"; }
  deb=$(ls "$tmp"/pkg/kovra2_*.deb)
  dpkg-deb -f "$deb" Depends | grep -q 'fonts-liberation' || fail "no fonts-liberation in Depends"
  dpkg-deb -f "$deb" Depends | grep -q 'libQt6Widgets\|libqt6widgets6' || fail "no Qt in Depends: $(dpkg-deb -f "$deb" Depends)"
  lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian found errors"
  dpkg-deb -x "$deb" "$tmp/root"
  chmod -R a-w "$tmp/root"
  before=$(snapshot "$tmp/root")
  mkdir -p "$tmp/home"
  ( export HOME=$tmp/home XDG_DATA_HOME=$tmp/home/data; play_level "$tmp/root/usr/bin/kovra2" "$tmp/points" ) \
    || fail "could not play level 1 from the package"
  check_saved "$tmp/home/data/kovra2"
  [ "$(snapshot "$tmp/root")" = "$before" ] || fail "something was written under the unpacked package"
  ;;
portable)
  game=$tmp/game
  mkdir -p "$game"
  cp "$build/game/kovra2" "$build/game/kezikonyv.html" "$game/"
  cp -r "$tmp/content/DATA" "$tmp/content/MUSIC" "$tmp/content/music" "$game/"
  mkdir -p "$tmp/home"
  ( export HOME=$tmp/home XDG_DATA_HOME=$tmp/home/data; cd /; play_level "$game/kovra2" "$tmp/points" ) \
    || fail "could not play level 1 from the portable folder"
  check_saved "$game"
  [ ! -e "$tmp/home/data/kovra2" ] || fail "the portable game wrote into the player's folder"
  ;;
*) fail "unknown mode $mode" ;;
esac
echo "PASS: $mode"
