#!/usr/bin/env bash
# The station's command line as a person types it: --help and --version answer
# and exit, an unknown option or a bad value is refused with its reason and a
# non-zero status, and without a display the station says so and exits
# instead of running with no window.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
station=${TALLYVO_BUILD:-$root/build/test}/app/tallyvo
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export TALLYVO_REGISTRY_DIR=$tmp/registro ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
fail() { echo "FALLO: $*"; exit 1; }

# run EXPECTED-STATUS TEXT-IN-OUTPUT ARGS...: at most 60 s (a sanitized start-up on a
# machine busy with the whole suite took more than 20), status and text as given.
run() {
  local want=$1 text=$2 status=0
  shift 2
  timeout 60 "$@" >"$tmp/out" 2>&1 || status=$?
  [ "$status" = "$want" ] || { cat "$tmp/out"; fail "$* terminó con $status en vez de $want"; }
  grep -qF -- "$text" "$tmp/out" || { cat "$tmp/out"; fail "$* no dijo «$text»"; }
}

run 0 "Uso: tallyvo [opciones]" "$station" --help
run 0 "--size ANCHOxALTO" "$station" -h
run 0 "tallyvo (Tallyvo POS) " "$station" --version
run 2 "opción desconocida: «--tamano»" "$station" --tamano 800x600
run 2 "tamaño no válido para --size: «abc»" "$station" --size abc
run 2 "la opción --size necesita un tamaño" "$station" --size
run 1 "No se pudo abrir la pantalla" env -u DISPLAY -u WAYLAND_DISPLAY "$station"
run 1 "No se pudo abrir la pantalla" env -u WAYLAND_DISPLAY DISPLAY=:9999 "$station"
echo "la línea de órdenes responde y rechaza lo que no entiende"
