#!/usr/bin/env bash
# Measures the editor's start-up on the demo file beside its yardstick, a bare
# Qt 6 program that shows one empty QMainWindow (bench/bare_window_probe.cpp),
# the two started in turn, round after round, so that both meet the same
# load of the machine. For each: the time from starting the process until
# its window shows (the editor's with the three sections read), the processor
# time spent until then, the time until a first save is done (the editor
# changes one value and saves, keeping the version it replaces; the bare
# program reads the file and writes it back), and the peak memory of that
# saving run. Prints medians (min and max) and the editor's ratio to the bare
# program.
#   bash scripts/bench-startup.sh [--runs N] [--window] [--against BUILD_DIR]
# --window: a real window on a virtual X display (xvfb-run) instead of offscreen.
# --against: also starts the editor's probe of another build folder (an
#   earlier commit's release build, say), in the same rounds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=20
window=0
against=
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs=$2; shift 2 ;;
    --window) window=1; shift ;;
    --against) against=$(cd "$2" && pwd); shift 2 ;;
    [0-9]*) runs=$1; shift ;;
    *) echo "bench-startup: unknown argument $1" >&2; exit 2 ;;
  esac
done

if [ "$window" = 1 ] && [ -z "${DISPLAY:-}" ]; then
  args=(--runs "$runs" --window)
  [ -n "$against" ] && args+=(--against "$against")
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "${args[@]}"
fi

cd "$root"
cmake --preset release >/dev/null
cmake --build --preset release --target editor_startup_probe bare_window_probe >/dev/null
labels=(bare editor)
declare -A probe=(
  [bare]="$root/build/release/bench/bare_window_probe"
  [editor]="$root/build/release/bench/editor_startup_probe"
)
if [ -n "$against" ]; then
  labels+=(before)
  probe[before]="$against/bench/editor_startup_probe"
fi
if [ "$window" = 1 ]; then platform=xcb; else platform=offscreen; fi
export QT_QPA_PLATFORM=$platform

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Settings and kept versions of the runs stay in the scratch folder.
export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"

run_one() {  # label mode
  local label=$1 mode=$2
  rm -rf "$scratch/run" "$XDG_DATA_HOME"
  mkdir -p "$scratch/run"
  cp "$root/examples/rules.txt" "$scratch/run/"
  printf 'benchmark\r\nENGLISH\r\nNO WARNING\r\n' > "$scratch/run/YARV.INI"
  local out
  # EPOCHREALTIME costs no process of its own: the time taken is the start.
  out=$(cd "$scratch/run" && BENCH_SPAWN_NS="${EPOCHREALTIME/./}000" "${probe[$label]}" $mode 2>/dev/null) || {
    echo "bench-startup: $label $mode failed" >&2; exit 1; }
  echo "$out" >> "$scratch/$label$mode.txt"
}

for _ in $(seq 1 "$runs"); do
  for label in "${labels[@]}"; do run_one "$label" ""; done
  for label in "${labels[@]}"; do run_one "$label" --save; done
done

column() {  # file key -> one number per line
  awk -v key="$2" '{for (i = 1; i < NF; ++i) if ($i == key) print $(i + 1)}' "$1"
}
median() { sort -n | awk '{a[NR]=$1} END {printf "%.1f", (NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2}'; }
spread() { sort -n | awk '{a[NR]=$1} END {printf "%.1f-%.1f", a[1], a[NR]}'; }

echo "runs: $runs of each, in turn (demo file, $platform)"
printf '%-26s' ""
for label in "${labels[@]}"; do printf '%24s' "$label"; done
for label in "${labels[@]:1}"; do printf '%12s' "$label/bare"; done
echo
row() {  # title mode key
  printf '%-26s' "$1"
  declare -A med
  for label in "${labels[@]}"; do
    med[$label]=$(column "$scratch/$label$2.txt" "$3" | median)
    printf '%24s' "${med[$label]} ($(column "$scratch/$label$2.txt" "$3" | spread))"
  done
  for label in "${labels[@]:1}"; do
    printf '%12s' "$(awk -v a="${med[$label]}" -v b="${med[bare]}" 'BEGIN {printf "%.2f", a / b}')"
  done
  echo
}
row "window shows, ms" "" visible_ms
row "  processor time, ms" "" visible_cpu_ms
row "first save done, ms" --save saved_ms
row "  processor time, ms" --save cpu_ms
row "peak memory, KiB" --save peak_kb
