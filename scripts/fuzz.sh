#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (preset "fuzz") and runs one.
#   bash scripts/fuzz.sh [seconds] [target]   default 10 seconds, target "rules"
# Targets: "rules" (the rules document, seeds in fuzz/corpus) and "lsp" (the
# language server, seeds in fuzz/lsp_corpus).
# New inputs the fuzzer finds go to build/fuzz/corpus-work (-lsp for the
# server; the seeds stay untouched), so later runs go on from there; an input that
# breaks a property is written to build/fuzz/artifacts/ and the script exits
# non-zero. With RULES_FUZZ_FRESH=1 (used by scripts/test.sh) the run starts
# from the seeds alone, with a fixed random seed, so that it does not depend
# on what earlier runs found.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-10}"
target="${2:-rules}"
case "$target" in
  rules) seeds=fuzz/corpus; dict=fuzz/rules.dict; kept=build/fuzz/corpus-work ;;
  lsp) seeds=fuzz/lsp_corpus; dict=fuzz/lsp.dict; kept=build/fuzz/corpus-work-lsp ;;
  *) echo "fuzz: no target $target (rules or lsp)" >&2; exit 2 ;;
esac
if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz: clang++ not found (bash scripts/install-deps.sh installs it)" >&2
  exit 1
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

mkdir -p build/fuzz/artifacts
extra=()
if [ "${RULES_FUZZ_FRESH:-0}" = 1 ]; then
  work=$(mktemp -d "${TMPDIR:-/tmp}/rules-fuzz.XXXXXX")
  trap 'rm -rf "$work"' EXIT
  extra=(-seed=1)
else
  work=$kept
  mkdir -p "$work"
fi
echo "fuzz: running ${target}_fuzz for ${seconds} s"
"build/fuzz/fuzz/${target}_fuzz" "${extra[@]}" \
  -max_total_time="${seconds}" \
  -timeout=20 \
  -max_len=16384 \
  -print_final_stats=1 \
  -dict="$dict" \
  -artifact_prefix=build/fuzz/artifacts/ \
  "$work" "$seeds"
echo "fuzz: no property broken in ${seconds} s"
