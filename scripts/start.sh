#!/usr/bin/env bash
# Builds the project and starts the window program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)"
exec ./build/default/src/app/colmara "$@"
