#!/usr/bin/env bash
# Runs the runtime tests under a locale whose decimal symbol is ','.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! locale -a 2>/dev/null | grep -qi '^de_DE.utf8$'; then
  if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
  dpkg-query -W -f='${Status}' locales 2>/dev/null | grep -q "install ok installed" || {
    $sudo apt-get update -qq; DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq locales; }
  $sudo sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  $sudo locale-gen >/dev/null
fi
LC_ALL=de_DE.UTF-8 ctest --test-dir build/default -L comma-locale --output-on-failure
