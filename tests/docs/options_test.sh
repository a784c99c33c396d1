#!/usr/bin/env bash
# The command-line reference names every option the programs accept: each
# option a parser in app/ compares an argument with is named, in code marks,
# on the page of the command it belongs to (docs/cli/NAME.md); and every
# option a command's page names is one the command takes.
#   options_test.sh SOURCE_DIR OVANTRA_RULES
set -euo pipefail
root=$1
tool=$2
missing=0

# The pages a source file's options belong to.
pages_of() {
  case "$(basename "$1")" in
    tool.cpp) echo ovantra-rules ;;
    csv_commands.cpp) echo export import ;;
    editor_arguments.cpp) echo ovantra-rules-editor ;;
    *_command.cpp) basename "$1" _command.cpp | tr _ - ;;
  esac
}

for source in "$root"/app/tool/*.cpp "$root"/app/editor_arguments.cpp; do
  pages=$(pages_of "$source")
  [ -z "$pages" ] && continue
  # Options as the parsers compare them: == "-x", a prefix
  # rfind("--x=", 0), or a value("--x") taken with or without "=".
  options=$(grep -oE '== "-[^"]+"|rfind\("-[^"]+", 0\)|value\("-[^"]+"\)' "$source" |
            grep -oE '"-[^"]+"' | tr -d '"' | sort -u || true)
  for option in $options; do
    [ "$option" = "--" ] && continue
    found=0
    for page in $pages; do
      grep -qF -- "\`$option" "$root/docs/cli/$page.md" && found=1
    done
    if [ "$found" -eq 0 ]; then
      echo "$(basename "$source"): $option is accepted but docs/cli/$(echo $pages | tr ' ' '|').md does not name it"
      missing=$((missing + 1))
    fi
  done
done

# The other way: what a command's Options name, the command does not refuse
# as unknown. Run where nothing of the user's can change (git-setup --global
# writes into HOME).
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
export HOME="$scratch" XDG_CONFIG_HOME="$scratch" XDG_DATA_HOME="$scratch" GIT_CONFIG_NOSYSTEM=1
for page in "$root"/docs/cli/*.md; do
  name=$(basename "$page" .md)
  case "$name" in ovantra-rules|ovantra-rules-editor) continue ;; esac
  options=$(awk '/^## Options/ { on = 1; next } /^## / { on = 0 } on' "$page" |
            grep -oE '^- `-[^` ]+|, `-[^` ]+' | grep -oE -- '-[^` ]+' | sort -u || true)
  for option in $options; do
    [ "$option" = "--" ] && continue
    # A word after it, for the options that take one (-o OUT).
    said=$("$tool" "$name" "$option" x </dev/null 2>&1 || true)
    if [[ "$said" == *"unknown option"* ]]; then
      echo "docs/cli/$name.md: $option is named, but ovantra-rules $name refuses it"
      missing=$((missing + 1))
    fi
  done
done
[ "$missing" -eq 0 ] && echo "every option is in the reference"
[ "$missing" -eq 0 ]
