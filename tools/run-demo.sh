#!/usr/bin/env bash
# The demo marketplace: taoci.exe built against a test server on 127.0.0.1
# that answers the item search from generated realistic pages, serves the
# found item's picture and a version file saying there is nothing newer.
#   run-demo.sh BUILD_ROOT
# On a display the program simply runs there; without one it runs under
# Xvfb, one search is driven through the window (tools/demo-search.sh) and
# BUILD_ROOT/screenshots/demo.png shows the found result. The server goes
# when the program ends, or when this script does, however it ends.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
root=$(cd "${1:-$here/build}" && pwd)
build=$root/demo
data=$build/marketplace
shot=$root/screenshots/demo.png
# A prefix of the demo's own, so that ending its Wine ends nothing else.
export TAOCI_WINEPREFIX=$build/wineprefix

mkdir -p "$data" "$(dirname "$shot")"
# The pages are made before the server runs, so their picture address holds
# the placeholder the server fills in with its port. The item stands on
# page 3 at place 7.
if [ ! -f "$data/pages/target.txt" ]; then
  python3 "$here/tools/gen_result_page.py" --out-dir "$data/pages" --pages 5 \
    --target-page 3 --target-position 7 --seed 2024 --picture-base "http://{server}/pictures/"
fi
if [ ! -f "$data/target.jpg" ]; then
  convert=$(command -v convert-im6.q16 || command -v convert)
  "$convert" -size 230x230 gradient:'#eef6f3-#8fbcb0' -fill '#b9d8d0' -stroke '#5f8f86' \
    -strokewidth 3 -draw 'ellipse 115 125 80 55 0 360' -draw 'rectangle 75 150 155 175' \
    "$data/target.jpg"
fi
printf '1.0' >"$data/var.txt"

# The server's standard input is this script's descriptor 3: when the script
# ends, the server sees its end and stops.
port_file=$data/server.json
rm -f "$port_file"
exec 3> >(exec python3 "$here/tools/test_server.py" --stop-on-stdin-eof --lifetime 7200 --quiet \
  --port-file "$port_file" --marketplace "$data/pages" \
  --file /pictures/target.jpg="$data/target.jpg" --file /zevlo/var.txt="$data/var.txt" >/dev/null)
for _ in $(seq 1 100); do [ -f "$port_file" ] && break; sleep 0.1; done
[ -f "$port_file" ] || { echo "run-demo.sh: the demo server did not start" >&2; exit 1; }
port=$(python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))["port"])' "$port_file")
host=127.0.0.1:$port
echo "demo marketplace on http://$host/"

# A build of its own, pointed at the server. A new port only rebuilds what
# includes the generated configuration header.
cmake --preset windows -B "$build" -DBUILD_TESTING=OFF \
  -DTAOCI_SEARCH_HOST="$host" -DTAOCI_MAKER_HOST="$host" \
  -DTAOCI_HOME_PAGE="http://$host/" -DTAOCI_SUPPORT_PAGE="http://$host/group.html" \
  -DTAOCI_SITE_ADDRESS="$host" >/dev/null
cmake --build "$build" --target taoci taoci_demo_driver -j2
program=$build/ui/taoci.exe
driver=$build/tools/taoci_demo_driver.exe

if [ -n "${DISPLAY:-}" ]; then
  "$here/cmake/wine-run.sh" "$program" || true
else
  xvfb-run -a -s "-screen 0 1280x1024x24" "$here/tools/demo-search.sh" "$program" "$driver" "$shot"
fi
exec 3>&-
