#!/usr/bin/env bash
# Starts the program under Wine. On a display it simply runs there; without
# one it runs under Xvfb, waits for the window, saves a screenshot and ends
# the program.
#   run-program.sh PROGRAM.exe SCREENSHOT.png
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
program=$1
shot=$2
run="$here/cmake/wine-run.sh"

if [ -n "${DISPLAY:-}" ]; then
  exec "$run" "$program"
fi

mkdir -p "$(dirname "$shot")"
exec xvfb-run -a -s "-screen 0 1024x768x24" "$here/tools/screenshot-program.sh" "$program" "$shot"
