#!/usr/bin/env bash
# The station on the desktop backend under a virtual X display of its own; the
# display goes away while the login waits. The station must end at once with
# its message instead of staying behind on the dead display.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
export TALLYVO_BUILD=${TALLYVO_BUILD:-$root/build/test}
tmp=$(mktemp -d)
xvfb=""
station=""
cleanup() {
  [ -n "$station" ] && kill -KILL "$station" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT
export TALLYVO_DEMO=$tmp/demo TALLYVO_ARTICULOS=20 TALLYVO_REGISTRY_DIR=$tmp/registro
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
bash "$root/scripts/run.sh" --preparar >"$tmp/preparar.log" 2>&1 || { cat "$tmp/preparar.log"; exit 1; }

# A display of this test's own, on a free number the server picks.
exec 5>"$tmp/display"
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 1 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || { echo "FALLO: no arrancó la pantalla virtual"; cat "$tmp/xvfb.log"; exit 1; }
export DISPLAY=":$(head -1 "$tmp/display")"

"$TALLYVO_BUILD/app/tallyvo" --size 1024x768 >"$tmp/estacion.log" 2>&1 &
station=$!
win=""
for _ in $(seq 1 120); do
  win=$(xdotool search --name "POS - Tallyvo 2009" 2>/dev/null | head -1 || true)
  [ -n "$win" ] && break
  sleep 0.5
done
[ -n "$win" ] || { echo "FALLO: la estación no apareció"; cat "$tmp/estacion.log"; exit 1; }
sleep 2

kill "$xvfb"
wait "$xvfb" 2>/dev/null || true
xvfb=""
for _ in $(seq 1 20); do
  kill -0 "$station" 2>/dev/null || break
  sleep 0.5
done
if kill -0 "$station" 2>/dev/null; then
  echo "FALLO: la estación siguió corriendo sin pantalla"
  ps -o pid,stat,pcpu,etime -p "$station" || true
  exit 1
fi
status=0
wait "$station" || status=$?
station=""
[ "$status" -eq 1 ] || { echo "FALLO: la estación terminó con el estado $status"; cat "$tmp/estacion.log"; exit 1; }
grep -q "Se perdió la conexión con la pantalla" "$tmp/estacion.log" ||
  { echo "FALLO: la estación no dijo por qué terminó"; cat "$tmp/estacion.log"; exit 1; }
if grep -q "ERROR: AddressSanitizer" "$tmp/estacion.log"; then
  cat "$tmp/estacion.log"; exit 1
fi
echo "la estación terminó al perder la pantalla"
