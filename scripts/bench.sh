#!/usr/bin/env bash
# Builds the release preset and runs the benchmarks:
#   - rules_bench: load + parse + render + save of the demo file (in memory
#     and on disk) and of generated files of 10k, 100k and 1M lines, with the
#     time per line;
#   - rules_check_bench: the rules check on the demo file and on generated
#     tables of growing size, with the time per record and link;
#   - rules_compare_bench: two full files compared field by field;
#   - rules_merge_bench: the demo file merged with two edited copies;
#   - tree_bench: the tree of advances of a full table (94 advances) built
#     and laid out by Graphviz, and drawn as SVG;
#   - table_bench: the Table page's sort and filter of the demo file's 54
#     units, and a paste of a whole column, checked, stored and followed by
#     the rules check;
#   - terrain_filter_bench: one keystroke in the Table page's filter (the
#     view laid out and painted again) on a @TERRAIN section of 20,000,
#     100,000 and 1,340,000 rows, in file order and sorted by a number;
#   - editor_undo_bench: one undo and one redo in the editor's window on the
#     demo file, the pages and the check included (offscreen);
#   - lsp_bench: the language server's time from a message to its answer:
#     the diagnostics after one keystroke and a completion, on the demo file
#     and on a generated file of 1 MB;
#   - rules_peak_memory: peak resident memory of a fresh process that loads,
#     parses, renders and saves a generated 1M-line file, against its size.
# Extra arguments go to rules_bench (e.g. --benchmark_filter=Demo).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset release >/dev/null
cmake --build --preset release --target rules_bench rules_check_bench rules_compare_bench rules_merge_bench rules_peak_memory tree_bench editor_undo_bench table_bench terrain_filter_bench lsp_bench

echo
echo "== Speed (targets: demo file under 100 us, time per line flat as files grow)"
build/release/bench/rules_bench --benchmark_min_time=0.5 "$@"
echo
echo "== Rules check (target: demo file under 1 ms, time per record and link flat)"
build/release/bench/rules_check_bench --benchmark_min_time=0.5
echo
echo "== Comparing two files (target: a full file under 2 ms)"
build/release/bench/rules_compare_bench --benchmark_min_time=0.5
echo
echo "== Merging the demo file with two edited copies (target: under 2 ms)"
build/release/bench/rules_merge_bench --benchmark_min_time=0.5
echo "== Tree of advances (target: layout of the full tree under 200 ms)"
build/release/bench/tree_bench --benchmark_min_time=0.5
echo "== Table page (targets: sort or filter of 54 units under 5 ms, a column paste under 20 ms)"
build/release/bench/table_bench --benchmark_min_time=0.2
echo
echo "== Table page's filter on a large section (target: a keystroke under 50 ms at 1,340,000 rows)"
build/release/bench/terrain_filter_bench --benchmark_min_time=0.2
echo
echo "== Undo and redo in the window (target: each step, check included, under 5 ms)"
build/release/bench/editor_undo_bench --benchmark_min_time=0.5
echo
echo "== Language server (targets: demo under 5 ms, 1 MB under 50 ms, a keystroke on 20 MB at most 3 times the demo's)"
build/release/bench/lsp_bench --benchmark_min_time=0.5
echo
echo "== Peak memory (target: at most 3 times the file size)"
build/release/bench/rules_peak_memory 1000000
