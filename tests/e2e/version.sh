#!/usr/bin/env bash
# Each program given prints "<name> <version>" and nothing else on stdout
# for --version, and exits 0, without a display.
# Usage: version.sh <version> <program>...
set -uo pipefail
version=$1
shift
for program in "$@"; do
  name=$(basename "$program")
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY timeout 20 "$program" --version 2>&1)
  code=$?
  echo "$name --version: exit $code, output: $out"
  [ "$code" -eq 0 ] || { echo "FAIL: exit status $code"; exit 1; }
  [ "$out" = "$name $version" ] || { echo "FAIL: expected '$name $version'"; exit 1; }
done
echo "PASS"
