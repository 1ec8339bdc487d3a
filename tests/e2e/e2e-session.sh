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
  rm -rf -- "$work"
  exit "$code"
}
trap cleanup EXIT
trap 'echo "FAIL: interrupted or timed out"; exit 1' INT TERM

fail() {
  echo "FAIL: $*"
  for log in "$work"/*.log; do echo "--- $(basename "$log")"; cat "$log"; done
  exit 1
}
