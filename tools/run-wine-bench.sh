#!/usr/bin/env bash
# Runs the Windows benchmark of the search run under Wine, against its own
# loopback test server answering the search from the 100 generated pages.
#   run-wine-bench.sh WINDOWS_BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$1
program=$build/tests/search/search_run_fetch_bench.exe
pages=$build/tests/search/pages/bench-run
[ -x "$program" ] || { echo "no $program: build target search_run_fetch_bench first" >&2; exit 1; }
echo "== search_run_fetch_bench (Wine)"
python3 "$here/tools/with_test_server.py" --marketplace "$pages" --quiet \
  -- "$here/cmake/wine-run.sh" "$program"
