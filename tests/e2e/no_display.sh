#!/usr/bin/env bash
# Started without any display, the window program says so in one line on
# stderr and exits with status 1 (rather than aborting with the toolkit's
# plugin report).
# Usage: no_display.sh <colmara executable>
set -uo pipefail
program=$1
err=$(mktemp)
trap 'rm -f -- "$err"' EXIT
for platform in "" xcb; do
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM="$platform" timeout 20 "$program" \
    >/dev/null 2>"$err"
  code=$?
  lines=$(wc -l <"$err")
  echo "platform '${platform}': exit $code, stderr: $(cat "$err")"
  [ "$code" -eq 1 ] || { echo "FAIL: exit status $code, expected 1"; exit 1; }
  [ "$lines" -eq 1 ] || { echo "FAIL: $lines lines on stderr, expected 1"; exit 1; }
  grep -q "^$(basename "$program"): cannot open a display" "$err" ||
    { echo "FAIL: the line does not say that no display could be opened"; exit 1; }
done
echo "PASS"
