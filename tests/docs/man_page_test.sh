#!/usr/bin/env bash
# A manual page made from the reference formats without a warning (read as
# UTF-8, as man reads it) and holds a section for each command its reference
# page lists.
#   man_page_test.sh PAGE.1 [COMMAND...]
set -euo pipefail
page=$1
shift
if [ ! -s "$page" ]; then
  echo "no manual page at $page"
  exit 1
fi
warnings=$(groff -k -man -Tutf8 -ww -z "$page" 2>&1 || true)
if [ -n "$warnings" ]; then
  echo "$page: $warnings"
  exit 1
fi
text=$(groff -k -man -Tutf8 "$page" 2>/dev/null | sed 's/.\x08//g')
for command in "$@"; do
  if ! grep -q "^ovantra-rules $command\$" <<<"$text"; then
    echo "$page has no section for the command $command"
    exit 1
  fi
done
echo "$page formats cleanly$([ $# -gt 0 ] && echo ", with its $# commands")"
