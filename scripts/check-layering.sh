#!/usr/bin/env bash
# Checks the layering of src/ from the #include lines of each layer: a layer
# includes only itself and the layers it stands on, and only the window layers
# include Qt. Prints every offending line and fails when there is one.
#   usage: check-layering.sh [SRC_DIR]   (default: src/ of this checkout)
set -euo pipefail
src="${1:-$(dirname "$0")/../src}"

# What each layer may include besides itself, lowest layer first.
declare -A allowed=(
  [runtime]=""
  [model]="runtime"
  [report]="runtime model"
  [study]="runtime model report"
  [boiling]="runtime model report study"
  [batch]="runtime model report study boiling"
  [spirit]="runtime model report study batch"
  [chart]="runtime"
  [studyview]="runtime model report study batch chart"
  [toolsview]="runtime model report study batch spirit boiling"
  [ui]="runtime model report study batch spirit boiling chart studyview toolsview"
  [cli]="runtime model report study batch spirit boiling toolsview"
  [app]="runtime model report study batch spirit boiling chart studyview toolsview ui"
)
# Layers that must build without Qt.
qt_free="runtime model report study batch spirit boiling chart studyview toolsview cli"

failures=0
fail() {
  echo "$1" >&2
  failures=$((failures + 1))
}

for layer_dir in "$src"/*/; do
  layer=$(basename "$layer_dir")
  if [ -z "${allowed[$layer]+set}" ]; then
    fail "$layer_dir: not a known layer; give it a place in $(basename "$0")"
    continue
  fi
  while IFS= read -r hit; do
    [ -n "$hit" ] || continue
    file=${hit%%:*}
    rest=${hit#*:}
    line=${rest#*:}
    target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]*)[>"].*/\1/' <<<"$line")
    where="${file#"$src"/}:${rest%%:*}"
    case "$target" in
      Q* | qt* | Qt*/*)
        if [[ " $qt_free " == *" $layer "* ]]; then
          fail "$where: $layer must not include Qt ($target)"
        fi
        continue
        ;;
      *..*)
        fail "$where: include by a relative path ($target)"
        continue
        ;;
    esac
    first=${target%%/*}
    [ "$first" != "$target" ] || continue  # a standard or same-folder header
    [ -n "${allowed[$first]+set}" ] || continue  # not a layer of ours
    [ "$first" = "$layer" ] && continue
    if [[ " ${allowed[$layer]} " != *" $first "* ]]; then
      fail "$where: $layer must not include $first ($target)"
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include' "$layer_dir" \
             --include='*.h' --include='*.hpp' --include='*.cpp' || true)
done

if [ "$failures" -gt 0 ]; then
  echo "$failures layering violation(s)" >&2
  exit 1
fi
echo "layering holds"
