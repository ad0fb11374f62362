#!/usr/bin/env bash
# Checks of what the build made, one mode per run:
#   folder    build/game holds only what the game uses: the programs, their
#             content, the manual and the licences (and what a game played
#             there writes), no build files
#   manual    the manual is valid HTML (tidy), every link and picture in it
#             resolves in the game folder, every picture's stated size is its
#             real one, and it speaks of the level maker, not of scripts
#   warnings  no compiler warning in what the game ships (kept per object
#             by scripts/keep-warnings.sh; the tests, the benchmark and the
#             fuzzers are not looked at), but for the known ones listed below
# Usage: tst_built.sh <mode> <build dir>
set -euo pipefail
mode=$1 build=$2
game=$build/game
fail() { echo "FAIL: $*"; exit 1; }

case $mode in
folder)
  [ -x "$game/kovra2" ] || fail "no kovra2 in $game"
  strays=$(cd "$game" && find . -mindepth 1 -maxdepth 1 -printf '%f\n' | grep -vxE \
    'kovra2|kovra2-editor|kezikonyv\.html|kezikonyv-kepek|LICENSE\..*|DATA|MUSIC|music|players\.dat|settings\.dat|kovra2\.lock|BAL\.BMP|JOBB\.BMP' || true)
  [ -z "$strays" ] || fail "$game holds what the game does not use: $(echo $strays)"
  ;;
manual)
  html=$game/kezikonyv.html
  [ -f "$html" ] || fail "no manual in $game"
  out=$(tidy -e -q "$html" 2>&1) || fail "tidy: $out"
  ids=$(grep -o ' id="[^"]*"' "$html" | sed 's/^ id="//; s/"$//')
  links=$(grep -oE '(href|src)="[^"]*"' "$html" | sed -E 's/^(href|src)="//; s/"$//')
  [ -n "$links" ] || fail "no links in the manual"
  for link in $links; do
    case $link in
    \#*) echo "$ids" | grep -qxF "${link#\#}" || fail "no anchor for $link" ;;
    *://*|mailto:*) fail "the manual leaves the computer: $link" ;;
    *) [ -f "$game/${link%%#*}" ] || fail "the manual's $link is not in $game" ;;
    esac
  done
  # <img src="X" width="W" height="H">: W x H is the picture's size.
  grep -oE '<img src="[^"]*" width="[0-9]+" height="[0-9]+"' "$html" | while read -r _ src w h; do
    src=${src#src=\"}; src=${src%\"}; w=${w//[^0-9]/}; h=${h//[^0-9]/}
    size=$(od -An -tu1 -j 16 -N 8 "$game/$src" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}')
    [ "$size" = "${w}x${h}" ] || fail "$src is $size, the manual says ${w}x${h}"
  done
  [ "$(grep -c '<img ' "$html")" = "$(grep -oE '<img src="[^"]*" width="[0-9]+" height="[0-9]+"' "$html" | wc -l)" ] \
    || fail "a picture without its size"
  grep -qi python "$html" && fail "the manual still speaks of Python"
  for must in kovra2-editor '~/.local/share/kovra2' '../share/kovra2' 'libsdl2-mixer-2.0-0'; do
    grep -qF "$must" "$html" || fail "the manual does not mention $must"
  done
  ;;
warnings)
  found=$(find "$build" \( -path "$build/tests" -o -path "$build/bench" -o -path "$build/fuzz" \) -prune \
    -o -name '*.warnings' -print0 | xargs -0 -r cat | grep -E 'warning:' | sort -u || true)
  [ -z "$found" ] || fail "compiler warnings:
$found"
  ;;
*) fail "unknown mode $mode" ;;
esac
echo "PASS: $mode"
