#!/usr/bin/env bash
# Checks that every relative link and image in the project's Markdown files
# points at a file or directory inside the repository. Prints each broken
# link and fails when there is one. Web links (with a scheme) and in-page
# anchors are not checked.
#   usage: check-links.sh   (from anywhere inside the checkout)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd -P)
broken=0
while IFS= read -r file; do
  dir=$(dirname "$file")
  # Every "](target)" of a link or an image, one per line.
  while IFS= read -r target; do
    target=${target%%#*}
    [ -n "$target" ] || continue
    case "$target" in *://* | mailto:*) continue ;; esac
    resolved=$(realpath -m "$dir/$target")
    if [ ! -e "$resolved" ] || [[ "$resolved" != "$root"/* ]]; then
      echo "$file: broken link '$target'" >&2
      broken=$((broken + 1))
    fi
  done < <(grep -o '](\([^)]*\))' "$file" | sed -E 's/^\]\(([^ )]*).*\)$/\1/')
done < <(git ls-files '*.md')
[ "$broken" -eq 0 ] || { echo "$broken broken link(s)" >&2; exit 1; }
echo "every link in the Markdown files resolves inside the repository"
