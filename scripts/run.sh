#!/usr/bin/env bash
# Installs what is missing, builds, and runs the command-line demo of the
# rules core on a scratch copy of the bundled demo files.
#   bash scripts/run.sh [english|french|german]
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target rules_demo
echo
build/default/bench/rules_demo "$@"
