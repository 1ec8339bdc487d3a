#!/usr/bin/env bash
# The study window as a person uses it by keyboard alone, on an Xvfb display
# of its own:
#   - the main window calculates (Tab to "Calculate", Enter), and its report
#     list's menu (Shift+F10, then its mnemonic T) opens the study window with
#     the main window's texts: its exported profile is what
#     `colmara-report profile` writes for them;
#   - on every tab, Tab from Power reaches each control once, every press
#     visibly moving the focus, and comes back round to Power;
#   - a changed input (Alt+P) recalculates: the next export follows the new
#     text, and Ctrl+E exports while the field has the focus;
#   - a sweep runs on the "Sweep" tab (Alt+W, then Alt+G for Go) and its CSV
#     is what `colmara-report sweep` writes; its chart saves as PNG and SVG.
# Files are saved through the window's own file dialog, typed like a person.
# Every wait is on a condition with a time limit (a window maps, a file
# appears, the screen changes); no coordinate is used.
# Usage: study_e2e.sh <colmara executable> <colmara-report executable> [screenshot directory]
set -euo pipefail

# Never hang: the whole run is ended (and cleaned up) after 150 seconds.
if [ -z "${COLMARA_E2E_TIMED:-}" ]; then
  COLMARA_E2E_TIMED=1 exec timeout -k 10 150 bash "$0" "$@"
fi

program=$1
report_tool=$2
shots=${3:-}
for tool in Xvfb xdotool import identify compare; do
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
main=$(window_titled Colmara)

# 1. Calculate (four Tabs from the power field), then the report list (one
# Tab on), its menu by keyboard and the entry's mnemonic. Keys reach an open
# menu in the order typed, so nothing waits in between.
xdotool windowfocus --sync "$main"
xdotool key Tab Tab Tab Tab Return Tab shift+F10 t
wait_for 20 has_window "Colmara Study" || fail "the menu did not open the study window"
study=$(window_titled "Colmara Study")
# Without a window manager the new window gets the keyboard by hand; the
# pointer goes where it shows no hover or tooltip over the window.
xdotool windowfocus --sync "$study"
park_pointer "$study"

# study_shot <name>: the study window as it is drawn now.
study_shot() { import -window "$study" "$work/$1.png"; }
# Whether two shots differ by more than a text caret's blink.
moved() { [ "$(differing_pixels "$work/$1.png" "$work/$2.png")" -gt 60 ]; }
shot_moved_from() { study_shot "$2" && moved "$1" "$2"; }

# save <name>: Ctrl+E, the file's whole path typed into the dialog, Enter;
# true when the file was written. No dialog opens while the newest inputs
# have not calculated (the status line says so instead).
save() {
  xdotool windowfocus --sync "$study"
  xdotool key ctrl+e
  wait_for 5 has_window "Export" || return 1
  local dialog
  dialog=$(window_titled "Export")
  xdotool windowfocus --sync "$dialog"
  xdotool type --delay 10 "$work/$1"
  xdotool key Return
  wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Export\$' >/dev/null" ||
    fail "the export dialog stayed open"
  wait_for 5 test -s "$work/$1"
}
# export_as_tool <name> <colmara-report arguments...>: exports the current
# table until it equals the tool's output (the newest case may still be
# calculating, the sweep still running), within 30 seconds.
export_as_tool() {
  local name=$1 attempt=0
  shift
  "$report_tool" "$@" >"$work/expected-$name" || fail "colmara-report $* failed"
  until [ -s "$work/$name" ] && cmp -s "$work/$name" "$work/expected-$name"; do
    attempt=$((attempt + 1))
    [ "$attempt" -le 15 ] || fail "$name never equalled colmara-report $*"
    save "try$attempt-$name" && mv "$work/try$attempt-$name" "$work/$name"
  done
  echo "$name equals colmara-report $*"
}

export_as_tool profile1.csv profile --power 1000 --strength 1 --plates 20 --reflux 15
study_shot study-profile

# keys_done: every key typed so far has been handled and drawn. Ctrl+E's
# dialog maps only after the keys before it, and closes after the paint.
keys_done() {
  xdotool key ctrl+e
  wait_for 10 has_window "Export" || fail "no export dialog to wait on"
  xdotool windowfocus --sync "$(window_titled Export)"
  xdotool key Escape
  wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Export\$' >/dev/null" ||
    fail "the export dialog stayed open"
  xdotool windowfocus --sync "$study"
}

# 2. Tab walks each tab's controls in a ring: the inputs (6), the tab bar,
# then the tab's own. Its mnemonic opens each tab; the ring is counted from
# Strength, the first stop reached by Tab (Power itself was reached by its
# mnemonic, which does not select its text as Tab does).
tab_walk() {  # tab_walk <mnemonic> <stops>
  xdotool windowfocus --sync "$study"
  xdotool key "alt+$1" alt+p
  keys_done
  study_shot "walk-$1-0"
  local n=0
  while :; do
    n=$((n + 1))
    [ "$n" -le 32 ] || fail "Tab never came back round on tab alt+$1"
    xdotool key Tab
    wait_for 10 shot_moved_from "walk-$1-$((n - 1))" "walk-$1-$n" ||
      fail "Tab $n on tab alt+$1 moved no visible focus"
    [ "$n" -eq 1 ] || moved "walk-$1-1" "walk-$1-$n" || break
  done
  n=$((n - 1))
  [ "$n" -eq "$2" ] || fail "Tab on tab alt+$1 reached $n controls, expected $2"
  in_screen_order "$1" "$n"
  echo "tab alt+$1: Tab reached $n controls in screen order and came back round"
}
# in_screen_order <mnemonic> <stops>: stop k's focus mark is where the
# picture with the focus there differs from the one with it on Strength
# (stop 1), less Strength's own mark (what stops 2 and 3 both change). Each
# mark lies right of or below the one before, up to the last stop, Power,
# where the ring closes.
in_screen_order() {
  local k left top right bottom last_right=0 last_bottom=0 strength
  for k in $(seq 2 $(($2 - 1))); do
    difference_mask "$work/walk-$1-1.png" "$work/walk-$1-$k.png" "$work/mask-$k.png"
  done
  strength=$(convert "$work/mask-2.png" "$work/mask-3.png" -compose multiply -composite \
    -format '%@' info: | awk -F'[x+]' '{ print $3 - 2 "," $4 - 2 " " $3 + $1 + 2 "," $4 + $2 + 2 }')
  for k in $(seq 2 $(($2 - 1))); do
    read -r left top right bottom < <(convert "$work/mask-$k.png" -fill black \
      -draw "rectangle $strength" -format '%@' info: |
      awk -F'[x+]' '{ print $3, $4, $3 + $1, $4 + $2 }')
    [ "$left" -ge "$last_right" ] || [ "$top" -ge "$last_bottom" ] ||
      fail "stop $k on tab alt+$1 ($left,$top-$right,$bottom) is neither right of nor below the one before (ending at $last_right,$last_bottom)"
    last_right=$right
    last_bottom=$bottom
  done
}
tab_walk c 8   # the chart
tab_walk b 10  # the diagram, "Published data", "Limits"
tab_walk w 14  # Vary, From, To, Step, Go, the chart, the table
tab_walk a 10  # the chart, the pins' list, "Pin this run"
xdotool key alt+c

# 3. A new power recalculates the profile; Ctrl+E works from the field.
xdotool windowfocus --sync "$study"
xdotool key alt+p ctrl+a
xdotool type --delay 20 "2000"
export_as_tool profile2.csv profile --power 2000 --strength 1 --plates 20 --reflux 15

# 4. A sweep of the reflux ratio, 1 to 30, on the "Sweep" tab.
xdotool windowfocus --sync "$study"
xdotool key alt+w alt+g
export_as_tool sweep.csv sweep --power 2000 --strength 1 --plates 20 --reflux 1:30:1
study_shot study-sweep
save sweep.png || fail "sweep.png was not written"
[ "$(identify -format '%w' "$work/sweep.png")" -gt 300 ] || fail "sweep.png is too small"
save sweep.svg || fail "sweep.svg was not written"
head -c 200 "$work/sweep.svg" | grep -q '<?xml' || fail "sweep.svg is no XML document"
[ "$(grep -c '<path' "$work/sweep.svg")" -ge 2 ] || fail "sweep.svg holds no curves"

kill -0 "$app_pid" || fail "the program ended"
echo "PASS: study window opened by keyboard, walked by Tab, recalculated, swept and exported"
