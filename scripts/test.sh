#!/usr/bin/env bash
# Installs what is missing, builds the default preset and runs every test
# through CTest; when clang is there, also runs the fuzzer for a few seconds.
# Exits non-zero when anything fails. CTest's summary comes last.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset default
cmake --build --preset default

fuzz_status=0
if command -v clang++ >/dev/null 2>&1; then
  for target in rules lsp; do
    echo "== Fuzzing the $target target briefly (5 s)"
    log=build/fuzz-smoke-$target.log
    if ! RULES_FUZZ_FRESH=1 timeout --kill-after=10 300 bash scripts/fuzz.sh 5 "$target" >"$log" 2>&1; then
      fuzz_status=1
      tail -n 40 "$log"
      echo "test: the fuzzer FAILED (full log: $log)"
    else
      grep -E "^fuzz: no property broken" "$log" || true
    fi
  done
else
  echo "== clang++ not found: fuzzing skipped"
fi

echo "== Running the tests"
ctest_status=0
ctest --preset default -j2 || ctest_status=$?

if [ "$ctest_status" -ne 0 ] || [ "$fuzz_status" -ne 0 ]; then
  exit 1
fi
