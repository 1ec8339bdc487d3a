#!/usr/bin/env bash
# Makes the README's screenshots from the real window program under its own
# Xvfb server, driven with xdotool as a person would, and writes them under
# docs/images/. Each window is one shoot_* function, listed in `shots`.
#   usage: screenshots.sh [colmara executable] [output directory] [colmara-report]
#   (default: build/default/src/app/colmara, docs/images,
#   build/default/src/cli/colmara-report, which writes the run log fitted);
#   SHOTS="shoot_limits" makes only the shots it names.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/default/src/app/colmara}")
out=${2:-docs/images}
report=$(realpath "${3:-build/default/src/cli/colmara-report}")
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

# type_into <x> <y> <text>: replaces a field's text as a person would.
type_into() {
  xdotool mousemove "$1" "$2" click 1
  xdotool key ctrl+a
  xdotool type --delay 20 "$3"
}

# open_study <settings folder> <plates>: starts the study window with settings
# of its own and types 1500 W, 10 %, the plates and reflux 3. Sets the
# caller's `study` (the window) and X, Y (its place).
open_study() {
  XDG_CONFIG_HOME="$work/$1" start_program "$program" --study
  wait_for 20 has_window "Colmara Study" || { echo "the study window did not appear" >&2; exit 1; }
  study=$(window_titled "Colmara Study")
  eval "$(xdotool getwindowgeometry --shell "$study")"
  type_into $((X + 167)) $((Y + 48)) 1500   # power
  type_into $((X + 167)) $((Y + 77)) 10     # boiler strength
  type_into $((X + 167)) $((Y + 134)) "$2"  # plates
  type_into $((X + 167)) $((Y + 163)) 3     # reflux ratio
}

# export_chart <file name>: exports the shown chart through the window's own
# Export (Ctrl+E) into the output directory, then stops the program.
export_chart() {
  rm -f "$out/$1"
  xdotool key ctrl+e
  wait_for 10 has_window Export || { echo "no export dialog" >&2; exit 1; }
  sleep 0.3
  xdotool type --delay 10 "$(realpath "$out")/$1"
  xdotool key Return
  wait_for 10 test -s "$out/$1" || { echo "the chart was not exported to $1" >&2; exit 1; }
  stop_program
  echo "$out/$1"
}

# The study window on a case with few plates, so each step shows: its column
# profile, and the McCabe-Thiele diagram with the published data exported
# through the window's own Export (the figure of docs/model.md).
shoot_study_window() {
  local study X Y WIDTH HEIGHT SCREEN WINDOW
  open_study config 6
  xdotool mousemove $((X + 600)) $((Y + 300))  # the readout under the pointer
  sleep 1
  screen_shot study
  crop_window "$study" "$work/study.png" "$out/study-window.png"
  echo "$out/study-window.png"

  xdotool mousemove $((X + 423)) $((Y + 32)) click 1  # "McCabe–Thiele"
  sleep 0.3
  xdotool mousemove $((X + 275)) $((Y + 658)) click 1  # "Published data"
  sleep 0.3
  export_chart mccabe-thiele.png
}

# The McCabe-Thiele diagram of the same case at a plate efficiency of 60 %,
# typed into the Efficiency field and exported as above (the figure of
# docs/model.md's plate efficiency).
shoot_efficiency() {
  local study X Y WIDTH HEIGHT SCREEN WINDOW
  open_study config-efficiency 6
  type_into $((X + 167)) $((Y + 192)) 60     # efficiency
  xdotool key alt+b                          # "McCabe–Thiele"
  sleep 1
  export_chart mccabe-efficiency.png
}

# The McCabe-Thiele tab with its Limits on a 30 % boiler at 1000 W, 8 plates
# and reflux 3: the total-reflux staircase and the least reflux's pinch at
# a tangent near the top, their figures under the chart (the figure of the
# README and of docs/model.md's limits).
shoot_limits() {
  local study X Y WIDTH HEIGHT SCREEN WINDOW
  open_study config-limits 8
  type_into $((X + 167)) $((Y + 48)) 1000  # power
  type_into $((X + 167)) $((Y + 77)) 30    # boiler strength
  xdotool key alt+b                        # "McCabe–Thiele"
  sleep 0.3
  xdotool key alt+m                        # "Limits"
  sleep 3
  screen_shot limits
  crop_window "$study" "$work/limits.png" "$out/mccabe-limits.png"
  stop_program
  echo "$out/mccabe-limits.png"
}

# The study window's Batch run tab on a 20 l wash of 10 % at 1500 W, 20
# plates and reflux 3, stopped when the product falls below 20 %.
shoot_batch_tab() {
  local study X Y WIDTH HEIGHT SCREEN WINDOW
  open_study config-batch 20
  xdotool key alt+n                         # "Batch run"
  sleep 0.3
  xdotool key alt+y Down                    # the strength policy, its reflux panel
  xdotool key alt+d ctrl+a                  # stop at product strength
  xdotool type --delay 20 20
  sleep 4
  xdotool mousemove $((X + 820)) $((Y + 200))  # the readout under the pointer
  sleep 0.5
  screen_shot batch
  crop_window "$study" "$work/batch.png" "$out/batch-tab.png"
  stop_program
  echo "$out/batch-tab.png"
}

# write_run_log <report tool> <file>: the log a still of 3 plates would give
# that loses 20 % of its 1000 W (the batch run at 800 W) on 10 l of 10 %,
# reflux 3, read every 3 minutes by thermometers scattered by 0.1 K and a
# scale by 2 g (seeded: the same log on every run with the same awk).
write_run_log() {
  "$1" batch --charge 10000 --strength 10 --plates 3 --power 800 --reflux 3 \
      --stop-product 40 --every 3 |
    awk -F, 'BEGIN { srand(7); print "time,head_temperature,boiler_temperature,collected_g" }
      function noise(s) { return s * sqrt(-2 * log(1 - rand())) * cos(6.283185307 * rand()) }
      { sub(/\r$/, "") }
      NR == 1 { for (i = 1; i <= NF; i++) col[$i] = i; next }
      { collected = $col["collected"] + noise(2)
        printf "%.1f,%.2f,%.2f,%.0f\n", $col["time_min"], $col["head_temperature"] + noise(0.1),
          $col["boiler_temperature"] + noise(0.1), collected < 0 ? 0 : collected }' >"$2"
}

# The Batch run tab with that log, opened by a setup of the still as given
# (10 plates, no loss) and fitted with "Fit to log" (the figure of
# docs/model.md's fit).
shoot_log_fit() {
  local study X Y WIDTH HEIGHT SCREEN WINDOW
  write_run_log "$report" "$work/run.csv"
  cat >"$work/still.json" <<SETUP
{"colmara-setup": 1, "power": "1000", "strength": "10", "plates": "10", "reflux": "3",
 "batch": {"charge": "10000", "stop-product": "40", "every": "3"}, "run-log": "$work/run.csv"}
SETUP
  XDG_CONFIG_HOME="$work/config-fit" start_program "$program" --study
  wait_for 20 has_window "Colmara Study" || { echo "the study window did not appear" >&2; exit 1; }
  study=$(window_titled "Colmara Study")
  eval "$(xdotool getwindowgeometry --shell "$study")"
  xdotool mousemove $((X + 167)) $((Y + 48)) click 1  # the window takes the keys
  xdotool key ctrl+o
  wait_for 10 has_window "Open setup" || { echo "no open dialog" >&2; exit 1; }
  sleep 0.3
  xdotool type --delay 10 "$work/still.json"
  xdotool key Return
  wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Open setup\$'"
  sleep 0.5
  xdotool mousemove $((X + 580)) $((Y + 32)) click 1  # "Batch run"
  sleep 2
  screen_shot fit-before
  crop_window "$study" "$work/fit-before.png" "$work/fit-0.png"
  xdotool mousemove $((X + 673)) $((Y + 646)) click 1  # "Fit to log"
  # Fitted when the tab has changed and then holds still for a second (the
  # progress bar moves while the fit runs).
  fitted() {
    sleep 1
    screen_shot fit
    crop_window "$study" "$work/fit.png" "$work/fit-1.png"
    [ "$(compare -metric AE "$work/fit-0.png" "$work/fit-1.png" null: 2>&1 || true)" -gt 100 ] &&
      [ "$(compare -metric AE "$work/fit-2.png" "$work/fit-1.png" null: 2>&1 || true)" = 0 ] && return
    mv "$work/fit-1.png" "$work/fit-2.png"
    return 1
  }
  cp "$work/fit-0.png" "$work/fit-2.png"
  wait_for 15 fitted || { echo "the fit did not finish" >&2; exit 1; }
  screen_shot fit
  crop_window "$study" "$work/fit.png" "$out/run-log-fit.png"
  stop_program
  echo "$out/run-log-fit.png"
}

# SHOTS="shoot_limits ..." remakes only those.
read -ra shots <<<"${SHOTS:-shoot_main_window shoot_study_window shoot_efficiency shoot_limits shoot_batch_tab shoot_log_fit}"

mkdir -p "$out"
start_display
for shot in "${shots[@]}"; do "$shot"; done
