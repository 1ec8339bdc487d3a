#!/usr/bin/env bash
# Draws docs/images/batch-run.png, the figure of docs/model.md, from the
# timeline colmara-report batch prints, through the study charts' export.
#   usage: batch-figure.sh [BUILD_DIR]   (default: build/default)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${1:-$root/build/default}"
cmake --build "$build" --target colmara-report batch_figure >/dev/null
timeline=$(mktemp --suffix=.csv)
trap 'rm -f "$timeline"' EXIT
"$build/src/cli/colmara-report" batch --charge 20000 --strength 10 --plates 20 --reflux 3 \
  --stop-product 20 --every 5 >"$timeline"
QT_QPA_PLATFORM=offscreen "$build/tests/batch/batch_figure" "$timeline" \
  "$root/docs/images/batch-run.png"
