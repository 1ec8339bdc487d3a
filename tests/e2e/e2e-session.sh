# Sourced by the end-to-end tests after they set `work` (a temporary
# directory) and `shots` (where to keep the screenshots, or empty): the
# display and program handling of scripts/xvfb-session.sh, a clean-up that
# keeps the screenshots, and `fail`, which prints the logs.

# shellcheck source=../../scripts/xvfb-session.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb-session.sh"

cleanup() {
  local code=$?
  set +e
  stop_session
  if [ -n "$shots" ] && [ -d "$work" ]; then
    mkdir -p "$shots" && cp "$work"/*.png "$shots"/ 2>/dev/null || true
  fi
  [ -n "${KEEP_E2E_WORK:-}" ] || rm -rf -- "$work"
  exit "$code"
}
trap cleanup EXIT
trap 'echo "FAIL: interrupted or timed out"; exit 1' INT TERM

fail() {
  echo "FAIL: $*"
  for log in "$work"/*.log; do echo "--- $(basename "$log")"; cat "$log"; done
  exit 1
}

# differing_pixels <image> <image>: how many pixels differ, as a whole number.
differing_pixels() {
  compare -metric AE "$1" "$2" null: 2>&1 | awk '{ printf "%d", $1 }'
}

# park_pointer <window>: moves the pointer below or right of the window, so
# nothing in it is hovered or shows a tooltip.
park_pointer() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  local sw sh
  read -r sw sh < <(xdotool getdisplaygeometry)
  if [ $((Y + HEIGHT)) -lt "$sh" ]; then
    xdotool mousemove 0 $((sh - 1))
  elif [ $((X + WIDTH)) -lt "$sw" ]; then
    xdotool mousemove $((sw - 1)) 0
  else
    fail "the window covers the whole screen"
  fi
}

# difference_mask <image> <image> <mask>: white where the two differ, black
# elsewhere.
difference_mask() {
  compare "$1" "$2" -compose src -highlight-color white -lowlight-color black "$3" 2>/dev/null ||
    true
}
