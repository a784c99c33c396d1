#!/usr/bin/env bash
# Builds the libFuzzer target with clang (preset "fuzz") and runs it.
#   bash scripts/fuzz.sh [seconds]      default 10 seconds
# New inputs the fuzzer finds go to build/fuzz/corpus-work (the seeds in
# fuzz/corpus stay untouched), so later runs go on from there; an input that
# breaks a property is written to build/fuzz/artifacts/ and the script exits
# non-zero. With RULES_FUZZ_FRESH=1 (used by scripts/test.sh) the run starts
# from the seeds alone, with a fixed random seed, so that it does not depend
# on what earlier runs found.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-10}"
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
  work=build/fuzz/corpus-work
  mkdir -p "$work"
fi
echo "fuzz: running rules_fuzz for ${seconds} s"
build/fuzz/fuzz/rules_fuzz "${extra[@]}" \
  -max_total_time="${seconds}" \
  -timeout=20 \
  -max_len=16384 \
  -print_final_stats=1 \
  -dict=fuzz/rules.dict \
  -artifact_prefix=build/fuzz/artifacts/ \
  "$work" fuzz/corpus
echo "fuzz: no property broken in ${seconds} s"
