#!/usr/bin/env bash
# Runs a validator on a file; skips (exit 77) when the validator is not installed.
# Usage: validate.sh TOOL [ARGS...] FILE
tool=$1
if ! command -v "$tool" >/dev/null 2>&1; then
  echo "$tool is not installed: skipped"
  exit 77
fi
exec "$@"
