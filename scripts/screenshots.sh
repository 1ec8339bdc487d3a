#!/usr/bin/env bash
# Makes the README's screenshots from the real window program under its own
# Xvfb server, driven with xdotool as a person would, and writes them under
# docs/images/. Each window is one shoot_* function, listed in `shots`.
#   usage: screenshots.sh [colmara executable] [output directory]
#   (default: build/default/src/app/colmara, docs/images)
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/default/src/app/colmara}")
out=${2:-docs/images}
for tool in Xvfb xdotool import convert compare; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed (bash scripts/deps.sh test)" >&2; exit 1; }
done

work=$(mktemp -d)
# shellcheck source=scripts/xvfb-session.sh
source scripts/xvfb-session.sh
trap 'stop_session; rm -rf -- "$work"' EXIT

# crop_window <window> <from.png> <to.png>: the window's rectangle of a screen shot.
crop_window() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  convert "$2" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -strip "$3"
}
screen_shot() { import -window root "$work/$1.png"; }

# The main window after Calculate with the start texts.
shoot_main_window() {
  start_program "$program"
  wait_for 20 has_window Colmara || { echo "the main window did not appear" >&2; exit 1; }
  local main
  main=$(window_titled Colmara)
  sleep 0.5
  screen_shot before
  crop_window "$main" "$work/before.png" "$work/main-before.png"
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$main")"
  xdotool mousemove $((X + 60)) $((Y + 236)) click 1  # "Calculate"
  calculated() {
    screen_shot after
    crop_window "$main" "$work/after.png" "$work/main-window.png"
    [ "$(compare -metric AE "$work/main-before.png" "$work/main-window.png" null: 2>&1 || true)" -gt 500 ]
  }
  wait_for 10 calculated || { echo "Calculate changed nothing" >&2; exit 1; }
  sleep 0.5  # the chart's repaint follows the report's
  screen_shot after
  crop_window "$main" "$work/after.png" "$out/main-window.png"
  stop_program
  echo "$out/main-window.png"
}

shots=(shoot_main_window)

mkdir -p "$out"
start_display
for shot in "${shots[@]}"; do "$shot"; done
