#!/usr/bin/env bash
# The study window closes at once whatever it is computing: for each slow
# kind of work (a strength-policy batch run at 100 plates, a batch run with
# a tiny "Timeline every", a long sweep) the program is started on an Xvfb
# display of its own with that work under way (it has spent CPU time on
# it), the window is closed with Ctrl+W, and the process must be gone
# within a second.
# Usage: study_close_e2e.sh <colmara executable>
set -euo pipefail

if [ -z "${COLMARA_E2E_TIMED:-}" ]; then
  COLMARA_E2E_TIMED=1 exec timeout -k 10 150 bash "$0" "$@"
fi

program=$1
shots=""
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done

work=$(mktemp -d)
# shellcheck source=e2e-session.sh
source "$(dirname "$0")/e2e-session.sh"

# cpu_ticks <pid>: user and system time the process has spent, in ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# busy_for <pid> <ticks>: the process has spent at least that much CPU.
busy_for() { [ "$(cpu_ticks "$1")" -ge "$2" ]; }
ticks_per_second=$(getconf CLK_TCK)

# settings <tab> <plates> [batch lines...]: a settings file of its own, so
# the window starts on that tab with these inputs.
settings() {
  export XDG_CONFIG_HOME="$work/config-$RANDOM"
  mkdir -p "$XDG_CONFIG_HOME/Colmara"
  {
    printf '[General]\ntab=%s\n[inputs]\npower=1000\nstrength=10\nunits=volume\n' "$1"
    printf 'plates=%s\nreflux=3\n[batch]\n' "$2"
    shift 2
    printf '%s\n' "$@"
  } >"$XDG_CONFIG_HOME/Colmara/Colmara Study.conf"
}

# open_study: the program with its study window, focused.
open_study() {
  start_program "$program" --study
  wait_for 20 has_window "Colmara Study" || fail "the study window did not appear"
  study=$(window_titled "Colmara Study")
  xdotool windowfocus --sync "$study"
}

# close_within_a_second <kind> <seconds>: once the program has spent that
# much CPU on the work, Ctrl+W; the process must have ended within a second.
close_within_a_second() {
  wait_for 60 busy_for "$app_pid" $(($2 * ticks_per_second)) ||
    fail "$1: the program never got to work"
  kill -0 "$app_pid" || fail "$1: the program ended by itself"
  xdotool windowfocus --sync "$study"
  local start end
  start=$(date +%s%N)
  xdotool key ctrl+w
  # Waits on the process itself to end, for at most 10 s.
  timeout 10 tail --pid="$app_pid" -s 0.01 -f /dev/null || true
  end=$(date +%s%N)
  local elapsed=$(((end - start) / 1000000))
  if kill -0 "$app_pid" 2>/dev/null; then
    echo "FAIL: $1: the program was still running 10 s after the close"
    failed=1
    stop_program
    return
  fi
  wait "$app_pid" || true
  app_pid=""
  echo "$1: closed after ${elapsed} ms"
  [ "$elapsed" -le 1000 ] || { echo "FAIL: $1: the program took ${elapsed} ms to end"; failed=1; }
}
failed=0

start_display || fail "no display"

# 400 rows, each a seek of the reflux at 100 plates: seconds of work.
settings 3 100 policy=strength target-strength=92 max-reflux=1000 every=2 stop-after=900
open_study
close_within_a_second "strength policy at 100 plates" 2

# Far more rows than a timeline holds: refused before any is solved, so
# there is nothing to wait for.
settings 3 10 every=0.001
open_study
close_within_a_second "a row every 0.001 min" 0

# The sweep tab, its range typed by its mnemonics: From, To, Step, Go.
settings 2 100
open_study
xdotool key alt+m ctrl+a
xdotool type "100"
xdotool key alt+o ctrl+a
xdotool type "99999"
xdotool key alt+e ctrl+a
xdotool type "1"
xdotool key alt+g
close_within_a_second "a sweep of 99900 rows" 2

[ "$failed" -eq 0 ] || fail "the window did not always close within a second"
echo "PASS: the study window closed within a second during each slow run"
