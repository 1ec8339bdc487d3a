#!/usr/bin/env bash
# Starts the window program in its own Xvfb server, types into the fields and
# clicks like a person, and checks the screen:
#   - "Calculate" fills the report area;
#   - "abc" as the power raises the error box (titled with the application
#     title), the report area is emptied, and OK closes the box;
#   - the main window then calculates again, showing the same report;
#   - a right click on the report list opens its menu, Escape closes it and
#     the window looks as before;
#   - Enter in a field presses nothing; Enter or keypad Enter on a focused
#     button presses it ("Calculate", "INFO", "Close");
#   - a long power without blanks gives an error box that wraps it onto more
#     lines inside the screen instead of cutting it.
# Usage: window_e2e.sh <colmara executable> [screenshot directory]
set -euo pipefail

# Never hang: the whole run is ended (and cleaned up) after 120 seconds.
if [ -z "${COLMARA_E2E_TIMED:-}" ]; then
  COLMARA_E2E_TIMED=1 exec timeout -k 10 120 bash "$0" "$@"
fi

program=$1
shots=${2:-}
for tool in Xvfb xdotool import compare convert; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done

work=$(mktemp -d)
# shellcheck source=e2e-session.sh
source "$(dirname "$0")/e2e-session.sh"

start_display || fail "Xvfb did not start"
echo "Xvfb on $DISPLAY"
start_program "$program"

# Window titles: the main window is "Colmara"; the error box carries the
# application title, the executable's name with its first letter as it is.
title=$(basename "$program")
title=${title%%.*}
title="${title:0:1}$(tr '[:upper:]' '[:lower:]' <<<"${title:1}")"

visible_windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; }
wait_for 20 has_window Colmara || fail "main window did not appear"
main=$(window_titled Colmara)
eval "$(xdotool getwindowgeometry --shell "$main")"
echo "main window $main at $X,$Y size ${WIDTH}x$HEIGHT"
[ "$X,$Y" = "270,141" ] || fail "main window at $X,$Y, expected 270,141"
[ "${WIDTH}x$HEIGHT" = "678x500" ] || fail "main window is ${WIDTH}x$HEIGHT"

# Screen points of the controls: window at 270,141, no window manager.
calculate=(330 377)    # Button1 in GroupBox1
power=(305 199)        # Edit1 in GroupBox1
report="209x305+398+285"  # ListBox1

shot() { import -window root "$work/$1.png"; }
crop() { convert "$work/$1.png" -crop "$report" +repage "$work/$1-report.png"; }
# Number of pixels that differ between two report crops.
differing() { compare -metric AE "$work/$1-report.png" "$work/$2-report.png" null: 2>&1 || true; }
click() { xdotool mousemove "$1" "$2" click 1; }
set_power() {
  click "${power[@]}"
  xdotool key ctrl+a
  xdotool type --delay 20 "$1"
}

# The first picture once the window is drawn: its report area painted (more
# than a few colours) and the same in two shots running.
painted_and_still() {
  shot start; crop start
  [ "$(convert "$work/start.png" -crop "678x500+270+141" -format %k info:)" -gt 8 ] &&
    shot start2 && crop start2 && [ "$(differing start start2)" = 0 ]
}
wait_for 10 painted_and_still || fail "the main window was not drawn"

# 1. A calculation fills the report area.
click "${calculate[@]}"
changed_from_start() { shot calc1; crop calc1; [ "$(differing start calc1)" -gt 500 ]; }
wait_for 10 changed_from_start || fail "Calculate did not change the report area"
echo "report area after Calculate differs in $(differing start calc1) pixels"

# 2. "abc" as the power: the error box.
set_power abc
click "${calculate[@]}"
box=""
find_box() {
  for w in $(visible_windows "^${title}\$"); do
    [ "$w" != "$main" ] && [ "$(xdotool getwindowname "$w")" = "$title" ] && box=$w && return 0
  done
  return 1
}
wait_for 10 find_box || fail "no error box titled '$title' appeared"
echo "error box $box titled '$(xdotool getwindowname "$box")'"
shot error
eval "$(xdotool getwindowgeometry --shell "$box")"
short_box_height=$HEIGHT
kill -0 "$app_pid" || fail "the program ended"

# OK closes it: Return with the pointer on the box (OK has the focus).
xdotool mousemove --window "$box" 10 10
xdotool key Return
box_gone() { [ -z "$(visible_windows "^${title}\$" | grep -x "$box")" ]; }
wait_for 5 box_gone || fail "Return on OK did not close the error box"
echo "error box closed"
# The calculation stopped at the power field with the report list emptied.
emptied() { shot closed; crop closed; [ "$(differing start closed)" -lt 200 ]; }
wait_for 5 emptied ||
  fail "the report list was not emptied ($(differing start closed) pixels differ)"

# 3. The main window still calculates, and gives the same report as before.
set_power 1000
click "${calculate[@]}"
same_as_first() { shot calc2; crop calc2; [ "$(differing calc1 calc2)" -lt 200 ]; }
wait_for 10 same_as_first || fail "the second calculation differs from the first ($(differing calc1 calc2) pixels)"
kill -0 "$app_pid" || fail "the program ended"

# 3b. With the report list focused, a right click on it opens the context
# menu, and Escape closes it leaving every pixel of the window as it was (a
# right click selects no row).
xdotool key Tab
window_area="678x500+270+141"
# The list draws its focus: the picture moves from calc2, then holds still.
focused_and_still() {
  shot premenu && shot premenu2 &&
    [ "$(compare -metric AE -crop "$window_area" "$work/calc2.png" "$work/premenu.png" null: 2>&1)" != 0 ] &&
    [ "$(compare -metric AE -crop "$window_area" "$work/premenu.png" "$work/premenu2.png" null: 2>&1)" = 0 ]
}
wait_for 5 focused_and_still || fail "Tab did not move the focus to the report list"
xdotool mousemove 500 400 click 3
menu_open() { shot menu; crop menu; [ "$(differing calc2 menu)" -gt 500 ]; }
wait_for 5 menu_open || fail "a right click on the report list opened no menu"
xdotool key Escape
xdotool mousemove "${calculate[@]}"
window_unchanged() {
  shot postmenu
  [ "$(compare -metric AE -crop "$window_area" "$work/premenu.png" "$work/postmenu.png" null: 2>&1)" = 0 ]
}
wait_for 5 window_unchanged || fail "the window differs after the menu closed"
echo "the context menu opened and closed with Escape"

# 4. Enter in a field presses nothing; on the focused "Calculate" it does.
# Enter goes before the typing, so once a typed digit shows the Enters
# have been handled (keys are handled in order).
edit4=(311 329)        # Edit4 in GroupBox1
power_area="100x20+260+189"
click "${power[@]}"
xdotool key ctrl+a Return KP_Enter
xdotool type --delay 20 500
typed() {
  shot field
  [ "$(compare -metric AE -crop "$power_area" "$work/calc2.png" "$work/field.png" null: 2>&1)" != 0 ]
}
wait_for 10 typed || fail "the power field did not take the typed digits"
crop field
[ "$(differing calc2 field)" -lt 200 ] || fail "Enter in a field changed the report"
click "${edit4[@]}"
xdotool key Tab Return
by_return() { shot enter1; crop enter1; [ "$(differing calc2 enter1)" -gt 500 ]; }
wait_for 10 by_return || fail "Return on the focused Calculate did not calculate"
set_power 1000
xdotool key Tab Tab Tab Tab KP_Enter
by_keypad() { shot enter2; crop enter2; [ "$(differing calc1 enter2)" -lt 200 ]; }
wait_for 10 by_keypad || fail "keypad Enter on the focused Calculate did not calculate"
echo "Enter and keypad Enter on Calculate calculated"

# INFO (before the power field in the tab order) opens the information
# window, whose "Close" has the focus and closes it again.
click "${power[@]}"
xdotool key shift+Tab Return
info_window() { visible_windows '^Information$' | head -n1; }
has_info() { [ -n "$(info_window)" ]; }
wait_for 10 has_info || fail "Return on INFO did not show the information window"
# Without a window manager the new window gets the keyboard by hand.
xdotool windowfocus --sync "$(info_window)"
xdotool key KP_Enter
no_info() { ! has_info; }
wait_for 10 no_info || fail "keypad Enter on Close did not close the information window"
echo "Enter on INFO and on Close worked"

# 5. A long power without blanks: the box grows in height, not past the screen.
click "${power[@]}"
xdotool key ctrl+a
xdotool type --delay 2 "$(printf '9%.0s' $(seq 300))x"
click "${calculate[@]}"
wait_for 10 find_box || fail "no error box for the long power"
shot longerror
eval "$(xdotool getwindowgeometry --shell "$box")"
echo "long error box at $X,$Y size ${WIDTH}x$HEIGHT (short one $short_box_height high)"
[ "$HEIGHT" -gt $((short_box_height + 26)) ] || fail "the long message was not wrapped"
[ "$X" -ge 0 ] && [ $((X + WIDTH)) -le 1024 ] || fail "the long error box leaves the screen"
xdotool mousemove --window "$box" 10 10
xdotool key Return
wait_for 5 box_gone || fail "Return on OK did not close the long error box"
kill -0 "$app_pid" || fail "the program ended"
echo "PASS"
