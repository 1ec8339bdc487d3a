#!/usr/bin/env bash
# Checks the release as a user gets it: the desktop metadata validate, the
# .deb builds and passes lintian without errors, it installs the same files
# as `cmake --install`, and once installed with apt-get both programs run
# from /usr/bin (the window under its own Xvfb server). Purges the package
# again, also on failure. Needs root or sudo, and deps.sh test.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi

work=$(mktemp -d)
installed=""
# shellcheck source=scripts/xvfb-session.sh
source scripts/xvfb-session.sh
cleanup() {
  stop_session
  [ -z "$installed" ] || DEBIAN_FRONTEND=noninteractive $sudo apt-get purge -y -qq colmara >/dev/null
  rm -rf -- "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

echo "== desktop metadata"
appstreamcli validate --no-net packaging/*.metainfo.xml
for desktop in packaging/*.desktop; do
  desktop-file-validate "$desktop" && echo "$desktop: valid"
done

echo "== package"
deb=$(bash scripts/package.sh | tail -n1)
version=$(build/package/src/cli/colmara-report --version | cut -d' ' -f2)
echo "$deb (version $version)"
# The release notes name the version being packaged.
head -n1 packaging/changelog | grep -qF "colmara ($version)" ||
  fail "packaging/changelog does not start with version $version"
grep -qF "<release version=\"$version\"" packaging/*.metainfo.xml ||
  fail "the metainfo has no release $version"

echo "== lintian"
lintian --fail-on error --info "$deb"

echo "== cmake --install and the package hold the same files"
cmake --install build/package --prefix "$work/prefix" >/dev/null
(cd "$work/prefix" && find . ! -type d | sed 's|^\./||' | sort) >"$work/installed"
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./usr/||' | sort >"$work/packaged"
diff -u "$work/installed" "$work/packaged" || fail "the file sets differ"
echo "$(wc -l <"$work/packaged") files in both"

echo "== installed with apt-get"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "$(realpath "$deb")" >/dev/null
installed=yes
[ "$(/usr/bin/colmara-report --version)" = "colmara-report $version" ] ||
  fail "colmara-report --version"
/usr/bin/colmara-report --strength 20 --plates 2 --reflux 1 >"$work/report"
grep -qx 'Product strength:   81.23 %' "$work/report" || { cat "$work/report"; fail "the calculation"; }
echo "/usr/bin/colmara-report calculates"

start_display
start_program /usr/bin/colmara
wait_for 20 has_window Colmara || { cat "$work/program.log"; fail "the installed window program showed no window"; }
echo "/usr/bin/colmara shows its window"
stop_session

DEBIAN_FRONTEND=noninteractive $sudo apt-get purge -y -qq colmara >/dev/null
installed=""
[ ! -e /usr/bin/colmara ] || fail "purge left /usr/bin/colmara"
echo "package checks passed"
