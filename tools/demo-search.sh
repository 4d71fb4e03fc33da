#!/usr/bin/env bash
# On the current X display: starts taoci.exe under Wine, lets
# demo_driver.exe type one search into its window and wait for the found
# result, saves a screenshot of the screen and ends that Wine.
#   demo-search.sh PROGRAM.exe DRIVER.exe SCREENSHOT.png
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
program=$1
driver=$2
shot=$3
prefix=${TAOCI_WINEPREFIX:-$here/build/wineprefix}
stop_wine() { WINEPREFIX=$prefix wineserver -k 2>/dev/null || true; }
trap stop_wine EXIT

"$here/cmake/wine-run.sh" "$program" &
pid=$!
status=0
"$here/cmake/wine-run.sh" "$driver" || status=$?
sleep 1  # let the picture and the price paint
import -window root "$shot"
stop_wine
wait "$pid" 2>/dev/null || true
case $status in
  0) echo "Screenshot of the found result: $shot" ;;
  1) echo "The search found nothing; screenshot: $shot" >&2 ;;
  *) echo "The search did not come to a result; screenshot: $shot" >&2 ;;
esac
exit "$status"
