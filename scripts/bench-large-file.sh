#!/usr/bin/env bash
# The editor on a rules file of about 50 MB (650,000 lines in @UNITS, five
# kept versions of it, and a second file of its size to compare with; see
# bench/large_file_probe.cpp), offscreen: how long until the window shows
# with the file read, one edit, undo and save, the Earlier Versions list,
# an edit while Compare With... is open, and the peak memory against the
# file's size. Prints medians over the runs (min and max).
#   bash scripts/bench-large-file.sh [--runs N] [--against BUILD_DIR]
# --against: also runs the probe of another build folder (an earlier
#   commit's release build, say), in turn with this one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=3
against=
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs=$2; shift 2 ;;
    --against) against=$(cd "$2" && pwd); shift 2 ;;
    *) echo "bench-large-file: unknown argument $1" >&2; exit 2 ;;
  esac
done
cd "$root"
cmake --preset release >/dev/null
cmake --build --preset release --target large_file_probe >/dev/null
labels=(now)
declare -A probe=([now]="$root/build/release/bench/large_file_probe")
if [ -n "$against" ]; then
  labels+=(before)
  probe[before]="$against/bench/large_file_probe"
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"${probe[now]}" --prepare "$scratch" >/dev/null
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$scratch/config"
for _ in $(seq 1 "$runs"); do
  for label in "${labels[@]}"; do
    rm -rf "$scratch/run"
    # Linked, not copied: a save replaces the file rather than writing into it.
    cp -al "$scratch/pristine" "$scratch/run"
    out=$(cd "$scratch/run" && XDG_DATA_HOME="$scratch/run/data" \
          BENCH_SPAWN_NS="${EPOCHREALTIME/./}000" "${probe[$label]}" 2>/dev/null) || {
      echo "bench-large-file: the $label probe failed" >&2; exit 1; }
    echo "$out" >> "$scratch/$label.txt"
  done
done

column() { awk -v key="$2" '{for (i = 1; i < NF; ++i) if ($i == key) print $(i + 1)}' "$1"; }
median() { sort -n | awk '{a[NR]=$1} END {printf "%.1f", (NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2}'; }
spread() { sort -n | awk '{a[NR]=$1} END {printf "%.1f-%.1f", a[1], a[NR]}'; }

echo "runs: $runs (a file of $(column "$scratch/now.txt" file_mb | head -1) MiB, offscreen)"
printf '%-34s' ""
for label in "${labels[@]}"; do printf '%26s' "$label"; done
echo
row() {  # title key
  printf '%-34s' "$1"
  for label in "${labels[@]}"; do
    printf '%26s' "$(column "$scratch/$label.txt" "$2" | median) ($(column "$scratch/$label.txt" "$2" | spread))"
  done
  echo
}
row "loaded and shown, ms" loaded_shown_ms
row "  processor time, ms" loaded_shown_cpu_ms
row "Units page entered, ms" units_page_ms
row "Check page entered, ms" check_page_ms
row "one edit, ms" edit_ms
row "  processor time, ms" edit_cpu_ms
row "one undo, ms" undo_ms
row "  processor time, ms" undo_cpu_ms
row "one save, ms" save_ms
row "  processor time, ms" save_cpu_ms
row "Earlier Versions listed, ms" versions_listed_ms
row "Compare With... opened, ms" compare_open_ms
row "an edit with it open, ms" edit_compare_open_ms
row "  processor time, ms" edit_compare_open_cpu_ms
row "peak memory once loaded, MiB" peak_loaded_mb
row "peak memory, MiB" peak_mb
for label in "${labels[@]}"; do
  echo "$label: peak memory $(awk '{for (i = 1; i < NF; ++i) {if ($i == "peak_mb") p = $(i + 1); if ($i == "file_mb") f = $(i + 1)} print p / f}' "$scratch/$label.txt" | median) times the file"
done
