# Sourced by the scripts that run the window program on a display of their
# own: an Xvfb server, the program, polling, and clean-up of both.
# The sourcing script sets `work` (a temporary directory it removes) first.

xvfb_pid=""
app_pid=""

stop() {  # stop <pid>: ends one process this script started and reaps it
  [ -n "$1" ] || return 0
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}
stop_session() {
  stop "$app_pid"
  stop "$xvfb_pid"
  app_pid=""
  xvfb_pid=""
}

# wait_for <seconds> <command...>: polls every 0.1 s until the command succeeds.
wait_for() {
  local tries=$(($1 * 10))
  shift
  until "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}

# Starts Xvfb on a free display (it writes the number to fd 3) and exports
# DISPLAY once the server answers.
start_display() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  wait_for 10 test -s "$work/display" || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(head -n1 "$work/display")"
  unset QT_QPA_PLATFORM
  wait_for 10 xdotool getmouselocation
}

# start_program <executable> [arguments...] / stop_program
start_program() {
  "$@" >"$work/program.log" 2>&1 &
  app_pid=$!
}
stop_program() {
  stop "$app_pid"
  app_pid=""
}

# The first visible window whose title is exactly <title>.
window_titled() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | while read -r w; do
    [ "$(xdotool getwindowname "$w")" = "$1" ] && echo "$w"
  done | head -n1
}
has_window() { [ -n "$(window_titled "$1")" ]; }
