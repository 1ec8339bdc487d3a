#!/usr/bin/env bash
# Builds the project and runs every test (unit, widget and end-to-end).
# Under CI (CI=true) compiler warnings fail the build; for everyone else they
# stay warnings, since another compiler version may warn differently.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
werror=OFF
[ "${CI:-}" != true ] || werror=ON
cmake --preset default -DCOLMARA_WERROR="$werror" -DCOLMARA_BUILD_TESTS=ON -DCOLMARA_BUILD_BENCH=ON \
  >/dev/null
cmake --build --preset default -j"$(nproc)"
ctest --preset default -j"$(nproc)"
