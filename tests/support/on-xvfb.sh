#!/usr/bin/env bash
# Runs a command on a private Xvfb display, so a test goes through the
# window system's own event path (xdotool presses, double clicks, focus).
# The screen size comes from XVFB_SCREEN (default 1280x1024x24).
set -euo pipefail
tmp=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; rm -rf "$tmp"' EXIT
Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1280x1024x24}" -nolisten tcp 3>"$tmp/display" 2>"$tmp/log" &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$tmp/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || { cat "$tmp/log" >&2; exit 1; }
  sleep 0.05
done
[ -s "$tmp/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$tmp/display")"
export QT_QPA_PLATFORM=xcb
source "$(dirname "$0")/x-asan-options.sh"
"$@"
