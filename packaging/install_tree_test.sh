#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks that a user gets exactly
# the programs, desktop entry, metadata, icons and manual pages, and nothing
# that only the tests or benchmarks use.
# Usage: install_tree_test.sh CMAKE BUILD_DIR
set -euo pipefail
cmake=$1 build=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

expected=(
  bin/ovantra-rules-editor
  share/applications/org.ovantra.RulesEditor.desktop
  share/metainfo/org.ovantra.RulesEditor.metainfo.xml
  share/icons/hicolor/48x48/apps/ovantra-rules-editor.png
  share/icons/hicolor/256x256/apps/ovantra-rules-editor.png
  share/icons/hicolor/scalable/apps/ovantra-rules-editor.svg
  share/man/man1/ovantra-rules-editor.1.gz
  share/doc/ovantra-rules-editor/copyright
  share/doc/ovantra-rules-editor/changelog.gz
)
# The command-line program comes with its manual page, or not at all.
if [ -e "$prefix/bin/ovantra-rules" ]; then
  expected+=(bin/ovantra-rules share/man/man1/ovantra-rules.1.gz)
fi

status=0
actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
if [ "$actual" != "$wanted" ]; then
  echo "installed files differ from what a user needs (< installed, > expected):"
  diff <(echo "$actual") <(echo "$wanted") || true
  status=1
fi

# A PNG's width and height are big-endian words at bytes 16 and 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'; }
for size in 48 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/ovantra-rules-editor.png
  [ -f "$png" ] || continue
  got=$(png_size "$png")
  if [ "$got" != "${size}x${size}" ]; then
    echo "icon $png is $got, not ${size}x${size}"
    status=1
  fi
done
svg=$prefix/share/icons/hicolor/scalable/apps/ovantra-rules-editor.svg
if [ -f "$svg" ] && ! grep -q '<svg' "$svg"; then
  echo "icon $svg holds no SVG"
  status=1
fi
if [ -f "$prefix/bin/ovantra-rules-editor" ] &&
   ! "$prefix/bin/ovantra-rules-editor" --version | grep -q "ovantra-rules-editor [0-9]"; then
  echo "the installed editor does not print its version"
  status=1
fi

[ "$status" -eq 0 ] && echo "install tree as expected"
exit "$status"
