#!/usr/bin/env bash
# Every relative link and picture of the README, the guides and docs/ leads
# to a file of the tree (the part after a "#" is not checked). Links inside
# code blocks and web addresses are left alone.
#   links_test.sh SOURCE_DIR
set -euo pipefail
root=$1
cd "$root"
broken=0
checked=0
while IFS= read -r page; do
  dir=$(dirname "$page")
  # Markdown links and pictures outside ``` blocks: ](target) or ](target "title").
  while IFS= read -r target; do
    target=${target%% *}
    target=${target%%#*}
    [ -z "$target" ] && continue
    case "$target" in http://*|https://*|mailto:*) continue ;; esac
    checked=$((checked + 1))
    if [ ! -e "$dir/$target" ]; then
      echo "$page: broken link: $target"
      broken=$((broken + 1))
    fi
  done < <(awk '/^ *```/ { code = !code; next } !code' "$page" |
           grep -o '\]([^)]*)' | sed 's/^](//; s/)$//')
done < <(ls README.md CONTRIBUTING.md NEWS.md 2>/dev/null; find docs -name '*.md' | sort)
echo "$checked links checked, $broken broken"
[ "$broken" -eq 0 ]
