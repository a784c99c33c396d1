#!/usr/bin/env bash
# Measures the editor's start-up on the demo file: from process start until
# the main window is shown with the three sections read, and the peak memory
# of the process, over repeated runs (offscreen). Prints median, min and max.
#   bash scripts/bench-startup.sh [runs]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-20}
cd "$root"
cmake --preset release >/dev/null
cmake --build --preset release --target editor_startup_probe >/dev/null
probe="$root/build/release/bench/editor_startup_probe"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp examples/rules.txt "$scratch/"
printf 'benchmark\r\nENGLISH\r\nNO WARNING\r\n' > "$scratch/YARV.INI"
cd "$scratch"
export QT_QPA_PLATFORM=offscreen

: > times.txt
: > memory.txt
for _ in $(seq 1 "$runs"); do
  start=$(date +%s%N)
  out=$("$probe" 2>/dev/null)
  end=$(date +%s%N)
  # Wall time from before the process exists to the moment it reported ready:
  # the whole process time minus what it spent after reporting (exit).
  echo "$(( (end - start) / 1000 ))" >> times.txt   # microseconds, process start to exit
  echo "$out" | awk '{print $2}' >> inside.txt
  echo "$out" | awk '{print $4}' >> memory.txt
done

stats() {  # median min max of one number per line
  sort -n "$1" | awk '{a[NR]=$1} END {m=(NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2; printf "median %s  min %s  max %s", m, a[1], a[NR]}'
}
echo "runs: $runs (demo file, offscreen)"
echo "process start to exit, microseconds: $(stats times.txt)"
echo "main() to window ready, milliseconds: $(stats inside.txt)"
echo "peak memory, KiB:                     $(stats memory.txt)"
