#!/usr/bin/env bash
# The install tests, one mode per run:
#   layout   cmake --install --strip into a prefix (as make install): the
#            files a desktop expects, stripped programs, nothing for lintian;
#            desktop-file-validate, appstreamcli and man agree with them
#   package  the Debian packages kovra2 and kovra2-data by CPack: lintian
#            --pedantic finds no error, warning or hardening tag; every
#            library the programs open with dlopen() is in kovra2's Depends;
#            both unpacked into a fresh read-only root, level 1 is played
#            with a fresh HOME: the roster and the settings land in the
#            player's folder, nothing under the tree; without SDL_mixer
#            (hidden in a mount namespace, when we may make one) the game
#            says so once on stderr and level 1 plays to its end in silence
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
  KOVRA_CONTENT_DIR="$tmp/content" cmake --install "$build" --prefix "$tmp/P" --strip >/dev/null
  P=$tmp/P
  for f in bin/kovra2 share/kovra2/DATA/001.DAT share/kovra2/DATA/002.DAT share/kovra2/music/000.mp3 \
           share/kovra2/MUSIC/001.MP3 share/kovra2/kezikonyv.html \
           share/applications/$appid.desktop share/metainfo/$appid.metainfo.xml \
           share/icons/hicolor/scalable/apps/$appid.svg share/man/man6/kovra2.6.gz \
           share/man/hu/man6/kovra2.6.gz share/doc/kovra2/copyright share/doc/kovra2-data/copyright; do
    [ -f "$P/$f" ] || fail "missing $f"
  done
  # The manual's pictures come along.
  for img in $(grep -o 'src="[^"]*"' "$P/share/kovra2/kezikonyv.html" | sed 's/^src="//; s/"$//'); do
    [ -f "$P/share/kovra2/$img" ] || fail "the installed manual misses $img"
  done
  [ ! -e "$P/share/lintian" ] || fail "lintian overrides installed into a user prefix"
  for exe in "$P"/bin/*; do
    readelf -S "$exe" | grep -qE '\.(debug_info|symtab)' && fail "$exe is not stripped"
  done
  # Every man page renders without a warning and names the other program
  # and the installed manual.
  export MANWIDTH=80
  for lang in "" hu/; do
    for page in kovra2 kovra2-editor; do
      f=$P/share/man/${lang}man6/$page.6.gz
      [ "$page" = kovra2-editor ] && [ ! -e "$P/bin/kovra2-editor" ] && continue
      out=$(LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l "$f" 2>&1 >/dev/null) || fail "man $f"
      [ -z "$out" ] || fail "man warns on $f: $out"
      text=$(LC_ALL=C.UTF-8 man -E UTF-8 -l "$f" 2>/dev/null)
      other=kovra2-editor
      [ "$page" = kovra2-editor ] && other=kovra2
      echo "$text" | grep -q "$other(6)" || fail "${lang}$page(6) does not name $other(6)"
      echo "$text" | tr -d '\n ' | grep -q '/usr/share/kovra2/kezikonyv.html' || fail "${lang}$page(6) does not name the manual"
    done
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
  grep -q '^Comment\[hu\]=Találd meg' "$P/share/applications/$appid.desktop" || fail "Comment[hu] is not the game's informal voice"
  grep -q '^Keywords\[hu\]=.*kirakó' "$P/share/applications/$appid.desktop" && fail "Keywords[hu] offers a jigsaw"
  if [ -e "$P/bin/kovra2-editor" ]; then # the level maker, when it is built
    entry=$P/share/applications/$appid.editor.desktop
    out=$(desktop-file-validate "$entry" 2>&1) || fail "no level maker entry: $out"
    [ -z "$out" ] || fail "desktop-file-validate: $out"
    grep -qx 'Exec=kovra2-editor %f' "$entry" || fail "the level maker's entry cannot be given a photo"
    for type in image/jpeg image/png; do
      grep -q "^MimeType=.*$type;" "$entry" || fail "the level maker's entry does not offer to open $type"
    done
  fi
  out=$(appstreamcli validate --no-net --no-color "$P/share/metainfo/$appid.metainfo.xml" 2>&1) || fail "appstreamcli: $out"
  echo "$out" | grep -E '^(E|W):' && fail "appstreamcli: $out"
  man -l "$P/share/man/man6/kovra2.6.gz" >/dev/null 2>&1 || zcat "$P/share/man/man6/kovra2.6.gz" | grep -q '^.TH KOVRA2 6' || fail "no man page"
  ;;
package)
  (cd "$tmp" && KOVRA_CONTENT_DIR="$tmp/content" cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/pkg" >"$tmp/cpack.log" 2>&1) \
    || { cat "$tmp/cpack.log"; fail "cpack"; }
  deb=$(ls "$tmp"/pkg/kovra2_*_amd64.deb) || fail "no kovra2 package"
  data=$(ls "$tmp"/pkg/kovra2-data_*_all.deb) || fail "no kovra2-data package of Architecture all"
  version=$(dpkg-deb -f "$deb" Version)
  depends=$(dpkg-deb -f "$deb" Depends)
  for d in fonts-liberation libsdl2-mixer-2.0-0 "kovra2-data (= $version)"; do
    echo "$depends" | grep -qF "$d" || fail "kovra2 does not depend on $d: $depends"
  done
  echo "$depends" | grep -q 'libqt6widgets6' || fail "no Qt in Depends: $depends"
  [ "$(dpkg-deb -f "$data" Version)" = "$version" ] || fail "kovra2-data is not of version $version"
  [ -z "$(dpkg-deb -c "$deb" | grep ' \./usr/share/kovra2/')" ] || fail "kovra2 ships content"
  [ -z "$(dpkg-deb -c "$data" | grep -E ' \./usr/(games|bin)/')" ] || fail "kovra2-data ships programs"
  lintian --pedantic -I --fail-on error,warning --tag-display-limit 0 "$deb" "$data" >"$tmp/lintian.log" 2>&1 \
    || { cat "$tmp/lintian.log"; fail "lintian found errors or warnings"; }
  # A sanitizer build cannot be fortified (its runtime takes those calls
  # over); such a package is only ever made by this test.
  if [ -z "${KOVRA_SANITIZED:-}" ]; then
    grep -E '^[A-Z]: .*hardening-' "$tmp/lintian.log" && fail "lintian finds the programs unhardened"
  fi
  mkdir -p "$tmp/root"
  dpkg-deb -x "$deb" "$tmp/root"
  dpkg-deb -x "$data" "$tmp/root"
  exe=$tmp/root/usr/games/kovra2
  [ -x "$exe" ] || fail "no /usr/games/kovra2 in the package"
  # Every library a program opens with dlopen() (a library name among its
  # strings that is not one of its NEEDED libraries) is in Depends, by the
  # package that ships it here.
  for prog in "$tmp"/root/usr/games/*; do
    needed=$(readelf -d "$prog" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
    for lib in $(strings -a "$prog" | grep -E '^lib[A-Za-z0-9_.+-]+\.so(\.[0-9]+)*$' | sort -u); do
      echo "$needed" | grep -qxF "$lib" && continue
      owner=$(dpkg -S "*/$lib" 2>/dev/null | head -n1 | cut -d: -f1) || true
      [ -n "$owner" ] || fail "$(basename "$prog") opens $lib, which no installed package ships"
      echo "$depends" | grep -qE "(^|, )$owner( |,|$)" || fail "$(basename "$prog") opens $lib ($owner), not in Depends: $depends"
      echo "dlopen: $(basename "$prog") -> $lib ($owner): in Depends"
    done
  done
  chmod -R a-w "$tmp/root"
  before=$(snapshot "$tmp/root")
  mkdir -p "$tmp/home"
  ( export HOME=$tmp/home XDG_DATA_HOME=$tmp/home/data; play_level "$exe" "$tmp/points" ) \
    || fail "could not play level 1 from the package"
  check_saved "$tmp/home/data/kovra2"
  [ "$(snapshot "$tmp/root")" = "$before" ] || fail "something was written under the unpacked package"
  # The same without SDL_mixer: the library's file hidden by an empty one.
  mixer=$(ldconfig -p | sed -n 's/.*libSDL2_mixer-2.0.so.0 (.*) => //p' | head -n1)
  if [ -n "$mixer" ] && unshare -m true 2>/dev/null; then
    rm -rf "$tmp/home"
    mkdir -p "$tmp/home"
    ( export HOME=$tmp/home XDG_DATA_HOME=$tmp/home/data
      export -f play_level wait_window click_at
      unshare -m bash -c 'mount --bind /dev/null "$1" && play_level "$2" "$3"' _ "$mixer" "$exe" "$tmp/points" ) \
      2>"$tmp/silent.err" || { cat "$tmp/silent.err"; fail "could not play level 1 without SDL_mixer"; }
    check_saved "$tmp/home/data/kovra2"
    said=$(grep -c 'hangkönyvtár nem tölthető be' "$tmp/silent.err" || true)
    [ "$said" = 1 ] || { cat "$tmp/silent.err"; fail "without SDL_mixer the game said so $said times"; }
  else
    echo "SKIP: cannot hide SDL_mixer in a mount namespace here"
  fi
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
