#!/usr/bin/env bash
# Runs every benchmark program of an optimised build, one after another so
# that they do not compete for the cores.
#   run-benchmarks.sh BUILD_DIR
set -euo pipefail
build=$1
found=0
for program in "$build"/bench/*_bench; do
  [ -x "$program" ] || continue
  found=1
  echo "== $(basename "$program")"
  "$program" --benchmark_counters_tabular=true
done
[ "$found" -eq 1 ] || { echo "no benchmark programs in $build/bench" >&2; exit 1; }
