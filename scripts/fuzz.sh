#!/usr/bin/env bash
# Builds the libFuzzer target with clang (preset "fuzz") and runs it.
#   bash scripts/fuzz.sh [seconds]      default 10 seconds
# New inputs the fuzzer finds go to build/fuzz/corpus-work (the seeds in
# fuzz/corpus stay untouched); an input that breaks a property is written
# to build/fuzz/artifacts/ and the script exits non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-10}"
if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz: clang++ not found (bash scripts/install-deps.sh installs it)" >&2
  exit 1
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

mkdir -p build/fuzz/corpus-work build/fuzz/artifacts
echo "fuzz: running rules_fuzz for ${seconds} s"
build/fuzz/fuzz/rules_fuzz \
  -max_total_time="${seconds}" \
  -timeout=20 \
  -max_len=16384 \
  -print_final_stats=1 \
  -dict=fuzz/rules.dict \
  -artifact_prefix=build/fuzz/artifacts/ \
  build/fuzz/corpus-work fuzz/corpus
echo "fuzz: no property broken in ${seconds} s"
