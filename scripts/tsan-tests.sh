#!/usr/bin/env bash
# Builds the tests of the concurrent code with ThreadSanitizer (clang 14, the
# tsan preset) and runs them: the sweep runner and its ordered delivery, the
# sweep command's threads and its interruption, the study window's case
# solver, sweep runner and batch runner with their cancel paths, the Tools
# window's plate count on its worker (the ordered delivery, the latest-job
# worker and its request numbering on their own too). Only these test programs are built, to
# keep the step short (colmara-report too: the window tests run it). Fails
# on any report; scripts/tsan-suppressions.txt says what it
# leaves out.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake --preset tsan "${launcher[@]}" >/dev/null
cmake --build --preset tsan -j"$(nproc)" \
  --target study_tests cli_tests colmara-report colmara_studyui_test colmara_toolsui_test
ctest --preset tsan -j"$(nproc)" -R \
  '^(RunSweep|OrderedDelivery|LatestJobWorker|NewestRequest|SweepPanel|StudyWindowTest|BatchRunner|BatchRunPanel|DebouncedWorker|ReadingForms)\.|^SweepCommand\.OutputDoesNotDepend|^CompanionProcess\.InterruptedSweep'
