#!/usr/bin/env bash
# Runs the README's run command on a virtual X display (Xvfb) as a cashier
# would use it and takes three screenshots into docs/: the login window, the
# price query after logging in as the demo cashier, and the price query
# showing a demo article with its picture after a scan. Then two windows the
# cashier's road does not reach, shown by tools/station_skin_sample under
# the station's skin: the accounting-interface dialog, the main window
# with its menu open, and a tree view beside a list view. Last, tools/station_windows_sample over the demo folder:
# the article list searched by description, and the chart of accounts that F5
# opens from the new-account window.
#   scripts/station-screenshots.sh
# Needs xdotool for the typing. The station runs on a demo folder of the
# script's own (build/screenshots/demo, or TALLYVO_DEMO), created on first use
# as `make run` creates the user's, and finds it through a settings store of
# the script's own (build/screenshots/registro): the user's store, demo and
# folders are never read or written.
set -euo pipefail
cd "$(dirname "$0")/.."
SHOTS=$PWD/build/screenshots
export TALLYVO_DEMO=${TALLYVO_DEMO:-$SHOTS/demo}
export TALLYVO_REGISTRY_DIR=$SHOTS/registro
# The embedded engine's lock files stay out of the machine's server's /tmp/firebird.
export FIREBIRD_LOCK=$SHOTS/firebird-lock
mkdir -p "$FIREBIRD_LOCK"
BUILD=${TALLYVO_BUILD:-build/release}
SIZE=${SIZE:-1024x768}
# Seconds to wait after each step; a busy machine or a sanitized build needs more.
ESPERA=${ESPERA:-3}
# Leak reports of a sanitized build would drown the output.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}

cmake --build "$BUILD" --target x11_screenshot station_skin_sample station_windows_sample -- -j4 >/dev/null 2>&1 ||
  { cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALLYVO_TESTS=OFF >/dev/null &&
    cmake --build "$BUILD" --target x11_screenshot station_skin_sample station_windows_sample -- -j4 >/dev/null; }

TALLYVO_BUILD="$BUILD" bash scripts/run.sh --preparar
# The store names the demo as the application folder, made before or now.
mkdir -p "$TALLYVO_REGISTRY_DIR"
printf '[Software]\n\n[Software\\Orvane]\n\n[Software\\Orvane\\Tallyvo2008]\n"Directorio"="%s"\n\n' \
  "$TALLYVO_DEMO" >"$TALLYVO_REGISTRY_DIR/HKEY_LOCAL_MACHINE.reg"
# The embedded engine locks the database while the station runs: read the
# bar code of the first demo article (it has a picture) beforehand.
CODIGO=$(printf "SET HEADING OFF;\nSELECT FIRST 1 COBA_COD FROM BARRAS_ARTICULO WHERE ARTI_COD = '000001';\n" |
         isql-fb -q -user SYSDBA "$TALLYVO_DEMO/datos/001/tallyvo.fdb" | tr -d '[:space:]')
export BUILD SIZE CODIGO ESPERA

xvfb-run -a -s "-screen 0 ${SIZE}x24" bash -c '
  set -euo pipefail
  # A screen of one colour means the station has not drawn yet: try again.
  shot() {
    for _ in $(seq 1 30); do
      "$BUILD/tools/x11_screenshot" "$1" 2>/dev/null && { echo "Captura: $1"; return; }
      sleep 1
    done
    echo "La estación no dibujó nada para $1" >&2
    exit 1
  }
  TALLYVO_BUILD="$BUILD" bash scripts/run.sh --size "$SIZE" >/tmp/tallyvo-screenshots.log 2>&1 &
  station=$!
  trap "kill $station 2>/dev/null || true" EXIT
  for _ in $(seq 1 600); do
    win=$(xdotool search --name "POS - Tallyvo 2009" 2>/dev/null | head -1 || true)
    [ -n "$win" ] && break
    sleep 1
  done
  [ -n "$win" ] || { echo "La estación no apareció; vea /tmp/tallyvo-screenshots.log" >&2; exit 1; }
  sleep "$ESPERA"
  xdotool mousemove 5 5 windowfocus --sync "$win" || true
  shot docs/station-login.png
  xdotool type --delay 60 "CAJERO"; xdotool key Return; sleep 0.5
  xdotool type --delay 60 "cajero"; xdotool key Return; sleep "$ESPERA"
  xdotool type --delay 60 "001"; xdotool key Return; sleep "$ESPERA"
  xdotool key F2; sleep "$ESPERA"
  shot docs/station-price-query.png
  xdotool type --delay 60 "${CODIGO:-000001}"; xdotool key Return; sleep "$ESPERA"
  shot docs/station-article.png
' _

xvfb-run -a -s "-screen 0 ${SIZE}x24" bash -c '
  set -euo pipefail
  # Waits for the sample window, then gives it time to draw.
  wait_window() {
    for _ in $(seq 1 120); do
      xdotool search --name "POS - Tallyvo 2009" >/dev/null 2>&1 && { sleep "$ESPERA"; return; }
      sleep 0.5
    done
    echo "La ventana de muestra no apareció" >&2
    exit 1
  }
  "$BUILD/tools/station_skin_sample" interfaz --size 640x420 >/dev/null 2>&1 &
  sample=$!
  trap "kill \$sample 2>/dev/null || true" EXIT
  wait_window
  "$BUILD/tools/x11_screenshot" docs/station-interface.png && echo "Captura: docs/station-interface.png"
  xdotool key Escape; sleep 1; kill $sample 2>/dev/null || true
  "$BUILD/tools/station_skin_sample" principal --size 800x600 >/dev/null 2>&1 &
  sample=$!
  wait_window
  # Alt+A opens "Archivo" with its first entry lit; Down lights the next one.
  xdotool key alt+a; sleep 1; xdotool key Down; sleep "$ESPERA"
  "$BUILD/tools/x11_screenshot" docs/station-main-menu.png && echo "Captura: docs/station-main-menu.png"
  xdotool key Escape Escape; sleep 0.5; kill $sample 2>/dev/null || true
  # A second group opened with its button, an article chosen, two notches of the wheel.
  "$BUILD/tools/station_skin_sample" vistas --size 800x500 >/dev/null 2>&1 &
  sample=$!
  wait_window
  win=$(xdotool search --name "POS - Tallyvo 2009" | head -1)
  xdotool mousemove --window "$win" 64 183 click 1; sleep 0.5
  xdotool mousemove --window "$win" 288 155 click 1; sleep 0.5; xdotool key Down Down
  xdotool mousemove --window "$win" 388 266 click 5 click 5; sleep "$ESPERA"
  "$BUILD/tools/x11_screenshot" docs/station-views.png && echo "Captura: docs/station-views.png"
  kill $sample 2>/dev/null || true
' _

# The clicks are placed for the default 1024x768 screen; each sample has a
# display of its own, so the keys go to its window.
cat >/tmp/tallyvo-muestra.sh <<'FIN'
set -euo pipefail
"$BUILD/tools/station_windows_sample" "$1" "$TALLYVO_DEMO" --size "$SIZE" >/dev/null 2>&1 &
sample=$!
trap "kill $sample 2>/dev/null || true" EXIT
for _ in $(seq 1 120); do
  win=$(xdotool search --name "POS - Tallyvo 2009" 2>/dev/null | head -1 || true)
  [ -n "$win" ] && break
  sleep 0.5
done
[ -n "$win" ] || { echo "La ventana de muestra no apareció" >&2; exit 1; }
sleep "$ESPERA"
xdotool mousemove 5 5 windowfocus --sync "$win" || true
sleep 0.5
eval "$2"
sleep "$ESPERA"
"$BUILD/tools/x11_screenshot" "$3" && echo "Captura: $3"
FIN
# "Descripción", "Buscar en cualquier orden", the text, "Buscar"; then a row.
xvfb-run -a -s "-screen 0 ${SIZE}x24" bash /tmp/tallyvo-muestra.sh articulos '
  xdotool mousemove 212 298 click 1; sleep 0.5; xdotool mousemove 316 299 click 1; sleep 0.5
  xdotool mousemove 425 273 click 1; xdotool type --delay 60 "Arroz"
  xdotool mousemove 583 273 click 1; sleep "$ESPERA"
  xdotool mousemove 450 370 click 1; sleep 0.5; xdotool key Down' docs/station-articles.png
# F5 opens the chart from the new-account window; a search by name in any position.
xvfb-run -a -s "-screen 0 ${SIZE}x24" bash /tmp/tallyvo-muestra.sh cuentas '
  xdotool key F5; sleep "$ESPERA"
  xdotool mousemove 271 166 click 1; xdotool type --delay 60 "IMPUESTO"
  xdotool mousemove 562 167 click 1; sleep 0.5; xdotool mousemove 378 166 click 1' docs/station-chart.png
rm -f /tmp/tallyvo-muestra.sh
