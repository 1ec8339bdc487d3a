#!/usr/bin/env bash
# Whole-process start-up of the window program: from exec to the main window
# being mapped on an Xvfb screen, polled as fast as xdotool answers (a few
# milliseconds). Runs it N times (default 5) and prints each time in ms.
# Usage: startup_xvfb.sh <colmara executable> [runs]
set -euo pipefail
program=$1
runs=${2:-5}
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  set +e
  [ -n "$app_pid" ] && { kill "$app_pid" 2>/dev/null; wait "$app_pid" 2>/dev/null; }
  [ -n "$xvfb_pid" ] && { kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; }
  rm -rf -- "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM
# The server answers before the program connects.
for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
for run in $(seq "$runs"); do
  start=$(date +%s%N)
  "$program" >/dev/null 2>"$work/app.log" &
  app_pid=$!
  deadline=$((start + 10000000000))
  until xdotool search --onlyvisible --name '^Colmara$' >/dev/null 2>&1; do
    [ "$(date +%s%N)" -lt "$deadline" ] || { echo "run $run: no window in 10 s"; cat "$work/app.log"; exit 1; }
  done
  echo "run $run: $(( ($(date +%s%N) - start) / 1000000 )) ms to the mapped main window"
  kill "$app_pid"; wait "$app_pid" 2>/dev/null || true
  app_pid=""
done
