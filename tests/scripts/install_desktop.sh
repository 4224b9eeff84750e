#!/usr/bin/env bash
# `cmake --install` into a staging folder, then the installed station as a
# user finds it: the menu entry and its icon, the demo made by the installed
# generator from the installed schema, and the installed station started
# under a virtual X display of its own to its login window, where a cashier
# logs in (the audit row of the login is there afterwards).
set -euo pipefail
# KEEP=1 keeps the folder with the screenshots and the station's output.
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${TALLYVO_BUILD:-$root/build/test}
tmp=$(mktemp -d)
station=""
xvfb=""
cleanup() {
  [ -n "$station" ] && kill -KILL "$station" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  [ -n "${KEEP:-}" ] || rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FALLO: $*"; [ -f "$tmp/estacion.log" ] && cat "$tmp/estacion.log"; exit 1; }
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0} TALLYVO_REGISTRY_DIR=$tmp/registro
stage=$tmp/stage/usr/local

cmake --install "$build" --prefix "$stage" >"$tmp/install.log" 2>&1 || { cat "$tmp/install.log"; fail "cmake --install falló"; }
for f in bin/tallyvo lib/tallyvo/tallyvo lib/tallyvo/create_demo_db lib/tallyvo/server-mode.sh \
  lib/tallyvo/locale/es/LC_MESSAGES/default.mo lib/tallyvo/locale/es/LC_MESSAGES/cport.mo \
  share/tallyvo/db/company/10_tables.sql share/applications/tallyvo.desktop \
  share/icons/hicolor/scalable/apps/tallyvo.svg share/doc/tallyvo/administration.md; do
  [ -e "$stage/$f" ] || fail "no se instaló $f"
done
[ "$(readlink "$stage/bin/tallyvo")" = ../lib/tallyvo/tallyvo ] || fail "bin/tallyvo no lleva a lib/tallyvo/tallyvo"
grep -qx "Exec=tallyvo" "$stage/share/applications/tallyvo.desktop" && grep -qx "Icon=tallyvo" "$stage/share/applications/tallyvo.desktop" ||
  fail "la entrada del menú no abre la estación con su icono"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$stage/share/applications/tallyvo.desktop" || fail "la entrada del menú no es válida"
fi
"$stage/bin/tallyvo" --version | grep -q "Tallyvo POS" || fail "el programa instalado no responde --version"

# The demo from what was installed only (no source tree named).
"$stage/lib/tallyvo/create_demo_db" "$tmp/demo" --articulos 20 >"$tmp/demo.log" 2>&1 || { cat "$tmp/demo.log"; fail "la demostración no se creó"; }

exec 5>"$tmp/display"
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 1 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || fail "no arrancó la pantalla virtual"
export DISPLAY=":$(head -1 "$tmp/display")"
shot() { "$build/tools/x11_screenshot" "$tmp/$1.png" >/dev/null 2>&1 || true; }

# From another folder, through the link on the PATH, as the menu starts it.
(cd / && PATH="$stage/bin:$PATH" exec tallyvo --size 1024x768) >"$tmp/estacion.log" 2>&1 &
station=$!
win=""
for _ in $(seq 1 120); do
  win=$(xdotool search --name "POS - Tallyvo 2009" 2>/dev/null | head -1 || true)
  [ -n "$win" ] && break
  kill -0 "$station" 2>/dev/null || fail "la estación instalada terminó"
  sleep 0.5
done
[ -n "$win" ] || fail "la estación instalada no apareció"
sleep "${ESPERA:-3}"
xdotool mousemove 5 5 windowfocus --sync "$win" || true
shot acceso
xdotool type --delay 60 "CAJERO"; xdotool key Return; sleep 0.5
xdotool type --delay 60 "clave"; xdotool key Return; sleep 1
xdotool type --delay 60 "001"; xdotool key Return; sleep "${ESPERA:-3}"
xdotool key F2; sleep "${ESPERA:-3}"
shot consulta
kill -0 "$station" 2>/dev/null || fail "la estación terminó durante el ingreso"
[ -e "$tmp/demo/ERRORES.TXT" ] && { cat "$tmp/demo/ERRORES.TXT"; fail "la estación registró errores"; }
kill -TERM "$station"
for _ in $(seq 1 40); do kill -0 "$station" 2>/dev/null || break; sleep 0.5; done
kill -KILL "$station" 2>/dev/null || true
station=""
logins=$(echo "set heading off; select count(*) from auditoria where tido_cod = 131 and audi_cod = 'CAJERO';" |
  isql-fb -q -user SYSDBA "$tmp/demo/datos/001/tallyvo.fdb" | tr -d ' \n')
[ "$logins" = 1 ] || fail "el ingreso de CAJERO no dejó su fila de auditoría ($logins)"
echo "la estación instalada arranca desde el menú y deja ingresar"
