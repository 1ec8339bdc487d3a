#!/usr/bin/env bash
# Runs only the tests labelled comma-locale, after making sure the ','
# locale they need is installed (scripts/deps.sh generates it). CTest sets
# the locale for them, and the README test command runs them too, so CI
# needs no step of its own for them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
ctest --test-dir build/default -L comma-locale --output-on-failure --no-tests=error
