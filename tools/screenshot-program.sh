#!/usr/bin/env bash
# On the current X display: starts a Windows program under Wine, waits for its
# main window, saves a screenshot of the screen and ends the program.
#   screenshot-program.sh PROGRAM.exe SCREENSHOT.png [WINDOW-TITLE-PATTERN]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
program=$1
shot=$2
pattern=${3:-taoci|V1.0}
"$here/cmake/wine-run.sh" "$program" &
pid=$!
for _ in $(seq 1 120); do
  if xwininfo -root -tree 2>/dev/null | grep -Eq "$pattern"; then break; fi
  sleep 0.5
done
sleep 2  # let the window paint
import -window root "$shot"
WINEPREFIX=${TAOCI_WINEPREFIX:-$here/build/wineprefix} wineserver -k 2>/dev/null || true
wait "$pid" 2>/dev/null || true
echo "Screenshot: $shot"
