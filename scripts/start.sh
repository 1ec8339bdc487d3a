#!/usr/bin/env bash
# Builds the two programs (not the tests and benchmarks) and starts the window
# program. Installs only what building and running need (deps.sh run).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh run
cmake --preset default -DCOLMARA_BUILD_TESTS=OFF -DCOLMARA_BUILD_BENCH=OFF >/dev/null
cmake --build --preset default -j"$(nproc)" --target colmara colmara-report
exec ./build/default/src/app/colmara "$@"
