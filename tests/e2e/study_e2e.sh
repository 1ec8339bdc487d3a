#!/usr/bin/env bash
# The study window as a person uses it, on an Xvfb display of its own:
#   - after "Calculate", the report list's menu opens the study window with
#     the main window's texts: its exported profile is what
#     `colmara-report profile` writes for them;
#   - a changed input recalculates: the next export follows the new text;
#   - a sweep runs on the "Sweep" tab and its CSV is what
#     `colmara-report sweep` writes; its chart saves as PNG and SVG;
#   - Ctrl+E exports even while a field has the focus (line edits claim
#     that key for themselves).
# Files are saved through the window's own file dialog, typed like a person.
# Usage: study_e2e.sh <colmara executable> <colmara-report executable> [screenshot directory]
set -euo pipefail

# Never hang: the whole run is ended (and cleaned up) after 120 seconds.
if [ -z "${COLMARA_E2E_TIMED:-}" ]; then
  COLMARA_E2E_TIMED=1 exec timeout -k 10 120 bash "$0" "$@"
fi

program=$1
report_tool=$2
shots=${3:-}
for tool in Xvfb xdotool import identify; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done

work=$(mktemp -d)
# shellcheck source=e2e-session.sh
source "$(dirname "$0")/e2e-session.sh"

# Settings of its own, so the study window starts as on a first run.
export XDG_CONFIG_HOME="$work/config"
start_display || fail "no display"
echo "Xvfb on $DISPLAY"
start_program "$program"
wait_for 20 has_window Colmara || fail "main window did not appear"

click() { xdotool mousemove "$1" "$2" click 1; }
shot() { import -window root "$work/$1.png"; }
window_origin() {  # sets X and Y to the window's top-left corner
  local WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
}

# 1. Calculate, then "Open study window", the menu's last entry.
click 330 377
sleep 0.5
xdotool mousemove 500 400 click 3
sleep 0.5
xdotool key Up Return
wait_for 20 has_window "Colmara Study" || fail "the menu did not open the study window"
study=$(window_titled "Colmara Study")
window_origin "$study"
echo "study window $study at $X,$Y"
sleep 1  # the first case is solved and painted

# save <name>: Ctrl+E, the file's whole path typed into the dialog, Enter.
save() {
  xdotool windowfocus --sync "$study" 2>/dev/null || click $((X + 600)) $((Y + 10))
  xdotool key ctrl+e
  wait_for 10 has_window "Export" || fail "no export dialog for $1"
  sleep 0.3
  xdotool type --delay 10 "$work/$1"
  xdotool key Return
  wait_for 10 test -s "$work/$1" || fail "$1 was not written"
  wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Export\$' >/dev/null" ||
    fail "the export dialog stayed open"
}
same_as_tool() {  # same_as_tool <file> <colmara-report arguments...>
  local file=$1
  shift
  "$report_tool" "$@" >"$work/expected.csv" || fail "colmara-report $* failed"
  cmp "$work/$file" "$work/expected.csv" || fail "$file differs from colmara-report $*"
}

save profile1.csv
same_as_tool profile1.csv profile --power 1000 --strength 1 --plates 20 --reflux 15
shot study-profile

# 2. A new power recalculates the profile.
click $((X + 167)) $((Y + 48))
xdotool key ctrl+a
xdotool type --delay 20 "2000"
sleep 1
save profile2.csv
same_as_tool profile2.csv profile --power 2000 --strength 1 --plates 20 --reflux 15

# 3. A sweep of the reflux ratio, 1 to 30, on the "Sweep" tab.
click $((X + 512)) $((Y + 32))
sleep 0.3
click $((X + 538)) $((Y + 64))  # "Run": the range has a row of its own below it
sleep 2
shot study-sweep
save sweep.csv
same_as_tool sweep.csv sweep --power 2000 --strength 1 --plates 20 --reflux 1:30:1
save sweep.png
[ "$(identify -format '%w' "$work/sweep.png")" -gt 300 ] || fail "sweep.png is too small"
save sweep.svg
head -c 200 "$work/sweep.svg" | grep -q '<?xml' || fail "sweep.svg is no XML document"
[ "$(grep -c '<path' "$work/sweep.svg")" -ge 2 ] || fail "sweep.svg holds no curves"

kill -0 "$app_pid" || fail "the program ended"
echo "PASS: study window opened from the menu, recalculated, swept and exported"
