#!/usr/bin/env bash
# Builds the libFuzzer targets (the text conversions, the calculate path and
# a batch run from its texts)
# with clang and runs each for SECONDS (default 30). Fails on a crash, a sanitizer report, a
# timeout or a broken property.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
build=build/fuzz
targets=(fuzz_parse_integer fuzz_parse_extended fuzz_format_extended fuzz_calculate fuzz_batch)

werror=OFF
[ "${CI:-}" != true ] || werror=ON
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCOLMARA_WERROR="$werror" -DCOLMARA_BUILD_FUZZ=ON -DCOLMARA_BUILD_UI=OFF -DCOLMARA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  echo "== $target for ${seconds}s"
  log="$build/$target.log"
  dict=tests/fuzz/numbers.dict
  [ "$target" != fuzz_calculate ] || dict=tests/fuzz/calculate.dict
  [ "$target" != fuzz_batch ] || dict=tests/fuzz/batch.dict
  if ! "$build/tests/fuzz/$target" "$corpus" \
      -dict="$dict" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=512 \
      -print_final_stats=1 -artifact_prefix="$build/$target-" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target failed; reproducer in $build/$target-*" >&2
    exit 1
  fi
  grep -E '^(Done|stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb))' "$log"
done
echo "fuzzing clean"
