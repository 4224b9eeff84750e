#!/usr/bin/env bash
# The station on the desktop backend under Xvfb, driven with xdotool as an
# administrator would: log in as ADMIN, open the configuration (F9) and the
# drawer's port setup (F4), then one stop request (SIGTERM) ends the station.
set -euo pipefail
# KEEP=1 keeps the folder with the screenshots of each step and the station's output.
root=$(cd "$(dirname "$0")/../.." && pwd)
export TALLYVO_BUILD=${TALLYVO_BUILD:-$root/build/test}
tmp=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$tmp"' EXIT
export TALLYVO_DEMO=$tmp/demo TALLYVO_ARTICULOS=20 TALLYVO_REGISTRY_DIR=$tmp/registro
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
# Seconds to wait after each step; a sanitized build on a busy machine needs more.
export ESPERA=${ESPERA:-3}
bash "$root/scripts/run.sh" --preparar >"$tmp/preparar.log" 2>&1 || { cat "$tmp/preparar.log"; exit 1; }
export tmp

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -euo pipefail
  shot() { "$TALLYVO_BUILD/tools/x11_screenshot" "$tmp/$1.png" >/dev/null 2>&1 || true; }
  "$TALLYVO_BUILD/app/tallyvo" --size 1024x768 >"$tmp/estacion.log" 2>&1 &
  station=$!
  win=""
  for _ in $(seq 1 120); do
    win=$(xdotool search --name "POS - Tallyvo 2009" 2>/dev/null | head -1 || true)
    [ -n "$win" ] && break
    sleep 0.5
  done
  [ -n "$win" ] || { echo "FALLO: la estación no apareció"; cat "$tmp/estacion.log"; exit 1; }
  sleep "$ESPERA"
  xdotool mousemove 5 5 windowfocus --sync "$win" || true
  shot acceso
  xdotool type --delay 60 "ADMIN"; xdotool key Return; sleep 0.5
  xdotool type --delay 60 "admin"; xdotool key Return; sleep "$ESPERA"
  xdotool key F9; sleep "$ESPERA"
  shot configuracion
  xdotool key F4; sleep "$ESPERA"
  shot puerto
  cmp -s "$tmp/configuracion.png" "$tmp/puerto.png" && { echo "FALLO: F4 no abrió la configuración del puerto"; exit 1; }
  kill -TERM "$station"
  for _ in $(seq 1 40); do
    kill -0 "$station" 2>/dev/null || break
    sleep 0.5
  done
  if kill -0 "$station" 2>/dev/null; then
    shot despues
    kill -KILL "$station" 2>/dev/null || true
    echo "FALLO: la estación siguió abierta tras la petición de cierre"
    exit 1
  fi
  status=0
  wait "$station" || status=$?
  [ "$status" -eq 0 ] || { echo "FALLO: la estación terminó con el estado $status"; cat "$tmp/estacion.log"; exit 1; }
'
