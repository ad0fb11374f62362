# Plays level 1 of a game as a player would, on its own Xvfb server, driven
# by xdotool: start, add the player "Teszt", choose them, click every
# difference, save and leave from the level-completed window, quit.
# Source it, then: play_level <executable> <file of "x y" difference points>
# The caller's environment (HOME, XDG_DATA_HOME) is the game's.

# Found here, once: play_level may run exported into another shell (unshare),
# where its own source file cannot be told.
export KOVRA_X_ASAN_OPTIONS
KOVRA_X_ASAN_OPTIONS="$(cd "$(dirname "${BASH_SOURCE[0]}")/../support" && pwd)/x-asan-options.sh"

# Waits for a visible window whose name matches the pattern; prints its id.
wait_window() {
  timeout 60 xdotool search --sync --onlyvisible --name "$1" | head -n1
}

# Clicks at x, y of the client area of window $1 (no window manager: the
# window's origin is its client area's).
click_at() {
  local X Y WINDOW SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove --sync $((X + $2)) $((Y + $3)) click 1
  sleep 0.3 # lets the game handle the click before the next one
}

play_level() {
  local exe=$1 points=$2
  local dispfile display xvfb game win
  dispfile=$(mktemp)
  Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$dispfile" 2>/dev/null &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$dispfile" ] && break; sleep 0.1; done
  display=":$(cat "$dispfile")"
  rm -f "$dispfile"
  export DISPLAY=$display
  # Sourced before the trap is set: the end of a sourced file fires RETURN.
  source "$KOVRA_X_ASAN_OPTIONS"
  trap 'kill $xvfb 2>/dev/null || true' RETURN

  QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy "$exe" &
  game=$!
  win=$(wait_window '^Kovra 2$') || { echo "no start window"; return 1; }
  click_at "$win" 200 252                      # Játék indítása
  win=$(wait_window 'kos kiv') || { echo "no player window"; return 1; }
  click_at "$win" 140 292                      # + Új játékos hozzáadása
  xdotool windowfocus --sync "$win"
  xdotool type --delay 40 Teszt
  click_at "$win" 316 386                      # Hozzáadás
  click_at "$win" 150 142                      # the new entry
  click_at "$win" 480 284                      # OK
  win=$(wait_window '^Kovra 2 - 1\. szint') || { echo "no game window on level 1"; return 1; }
  while read -r x y; do
    click_at "$win" $((76 + x)) $((59 + y))    # the left picture
  done <"$points"
  win=$(wait_window '^Gratul') || { echo "level not completed"; return 1; }
  click_at "$win" 292 456                      # Mentés és kilépés
  win=$(wait_window '^Kovra 2$') || { echo "no start window after the level"; return 1; }
  click_at "$win" 200 476                      # Kilépés
  for _ in $(seq 100); do kill -0 $game 2>/dev/null || break; sleep 0.1; done
  if kill -0 $game 2>/dev/null; then
    echo "the game did not end"; kill $game; return 1
  fi
  wait $game
}
