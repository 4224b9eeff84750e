#!/usr/bin/env bash
# Each sample program of tools/ that shows the desktop, started under a virtual
# X display of this test's own as a developer starts it, and stopped the way a
# person or a script stops it: one SIGTERM must end it, with status 0.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
export TALLYVO_BUILD=${TALLYVO_BUILD:-$root/build/test}
tools=$TALLYVO_BUILD/tools
tmp=$(mktemp -d)
xvfb=""
sample=""
cleanup() {
  [ -n "$sample" ] && kill -KILL "$sample" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT
export TALLYVO_REGISTRY_DIR=$tmp/registro
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
"$tools/create_demo_db" "$tmp/demo" --fuente "$root" --articulos 20 >"$tmp/demo.log" 2>&1 ||
  { cat "$tmp/demo.log"; exit 1; }

exec 5>"$tmp/display"
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 1 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || { echo "FALLO: no arrancó la pantalla virtual"; cat "$tmp/xvfb.log"; exit 1; }
export DISPLAY=":$(head -1 "$tmp/display")"

# Long enough that none ends by itself before the signal.
long="--seconds 600"
failed=0
while IFS= read -r line; do
  [ -n "$line" ] || continue
  read -r -a args <<<"$line"
  name=${args[0]}
  "$tools/$name" "${args[@]:1}" </dev/null >"$tmp/salida.log" 2>&1 &
  sample=$!
  shown=""
  for _ in $(seq 1 120); do
    kill -0 "$sample" 2>/dev/null || break
    shown=$(xdotool search --pid "$sample" 2>/dev/null | head -1 || true)
    [ -n "$shown" ] && break
    sleep 0.5
  done
  if [ -z "$shown" ]; then
    echo "FALLO: $line no mostró su ventana"; cat "$tmp/salida.log"; failed=1
    kill -KILL "$sample" 2>/dev/null || true; wait "$sample" 2>/dev/null || true; sample=""
    continue
  fi
  sleep 2
  kill -TERM "$sample"
  for _ in $(seq 1 40); do
    kill -0 "$sample" 2>/dev/null || break
    sleep 0.5
  done
  if kill -0 "$sample" 2>/dev/null; then
    echo "FALLO: $line siguió abierto tras la petición de cierre"; failed=1
    kill -KILL "$sample" 2>/dev/null || true; wait "$sample" 2>/dev/null || true; sample=""
    continue
  fi
  status=0
  wait "$sample" || status=$?
  sample=""
  if [ "$status" -ne 0 ]; then
    echo "FALLO: $line terminó con el estado $status"; cat "$tmp/salida.log"; failed=1
  else
    echo "bien: $line"
  fi
done <<EOF
datagrid_sample $long --out $tmp/captura.png
editors_sample $long --out $tmp/captura.png
grid_sample $long --out $tmp/captura.png
richedit_sample $long --out $tmp/captura.png
ui_sample $long --out $tmp/captura.png
window_demo $long
station_skin_sample interfaz
station_skin_sample principal
station_skin_sample vistas
station_windows_sample articulos $tmp/demo
station_windows_sample cuentas $tmp/demo
EOF
exit "$failed"
