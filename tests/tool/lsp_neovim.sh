#!/usr/bin/env bash
# End-to-end test of `ovantra-rules lsp` with a real client: Neovim's built-in
# LSP client, headless, on a scratch copy of the demo with faults planted.
#   lsp_neovim.sh OVANTRA_RULES DEMO_RULES_TXT LANGUAGE_SERVER_PAGE
# Exits 77 (skipped) when Neovim is not installed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
binary=$1
demo=$2
readme=$3

if ! command -v nvim >/dev/null 2>&1; then
  echo "SKIPPED: nvim not found (Debian's neovim; bash scripts/install-deps.sh installs it)"
  exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/lsp-neovim.XXXXXX")
trap 'rm -rf "$work"' EXIT
# The faults, in the file's Windows-1252 bytes: a circle of prerequisites, an
# unknown advance after a name with accents ("Forêt Été"), an attack out of
# range.
LC_ALL=C sed \
  -e 's/^Bog Smelting,     3,  1, Htl, Asg/Bog Smelting,     3,  1, Htl, Oth/' \
  -e "s/^Bog Stalker,     Wdw/For$(printf '\xea')t $(printf '\xc9')t$(printf '\xe9'),       Wdx/" \
  -e 's/^Ember Guard,     no,  0,  1.,0,   2a/Ember Guard,     no,  0,  1.,0, 133a/' \
  "$demo" > "$work/rules.txt"

# The documented Neovim configuration, as it stands there, is the user's.
awk '/^#+ Neovim/ { found = 1 } found && /^```lua/ { inside = 1; next } inside && /^```/ { exit }
     inside { print }' "$readme" > "$work/init.lua"
if ! grep -q "vim.lsp.start_client" "$work/init.lua"; then
  echo "FAILED: no Neovim configuration found in $readme"
  exit 1
fi

export PATH="$(dirname "$binary"):$PATH" RULES_FILE="$work/rules.txt"
export HOME="$work" XDG_CONFIG_HOME="$work" XDG_STATE_HOME="$work" XDG_DATA_HOME="$work"
cd "$work"
timeout --kill-after=5 90 nvim --headless -n -i NONE -u "$work/init.lua" --noplugin \
  -c "luafile $here/lsp_neovim.lua"
