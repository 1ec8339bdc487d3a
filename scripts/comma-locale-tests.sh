#!/usr/bin/env bash
# Runs the tests labelled comma-locale under a locale whose decimal symbol is
# ',' (scripts/deps.sh generates it).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
LC_ALL=de_DE.UTF-8 ctest --test-dir build/default -L comma-locale --output-on-failure
