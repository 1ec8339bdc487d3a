#!/usr/bin/env bash
# Installs the Debian packages a profile needs, when any is missing. Runs
# apt-get as root, through sudo otherwise.
#   usage: deps.sh [run|test]   (default: test)
#   run:  what building and running the two programs need
#   test: run, plus the tests, benchmarks, fuzzing, the ',' locale and the
#         checks of the package and its desktop metadata
set -euo pipefail
profile="${1:-test}"

run_packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-svg-dev libgl1-mesa-dev libxkbcommon-dev
  libcli11-dev nlohmann-json3-dev
  librsvg2-bin
  fonts-liberation fontconfig
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool imagemagick x11-utils
  clang-14 libclang-rt-14-dev clang-format locales
  appstream desktop-file-utils lintian file
)

case "$profile" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $(basename "$0") [run|test]" >&2; exit 2 ;;
esac

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi

# The tests also run under a locale whose decimal symbol is ','.
ensure_comma_locale() {
  locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
  $sudo sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
}

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
[ "$profile" != test ] || ensure_comma_locale
