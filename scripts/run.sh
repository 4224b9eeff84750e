#!/usr/bin/env bash
# Builds the station in release mode and starts it on the embedded demo
# databases. The first run creates them in a folder of the user's own
# (TALLYVO_DEMO, by default ~/.local/share/tallyvo/demo); each run makes the
# folder it names the application directory; SERVIDORES.cfg there names the folder as a server
# entry, so the embedded engine opens the files (no server needed).
#   scripts/run.sh [--size WxH] [--fullscreen]
#   scripts/run.sh --preparar      builds and creates the databases, starts nothing
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${TALLYVO_BUILD:-build/release}
DEMO=${TALLYVO_DEMO:-${XDG_DATA_HOME:-$HOME/.local/share}/tallyvo/demo}

if [ ! -f "$BUILD/build.ninja" ] || [ -z "${TALLYVO_BUILD:-}" ]; then
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALLYVO_TESTS=OFF >/dev/null
fi
cmake --build "$BUILD" --target tallyvo create_demo_db -- -j"$(nproc)"

if [ ! -f "$DEMO/datos/general.fdb" ]; then
  echo "Creando las bases de datos de demostración en $DEMO (solo la primera vez)..."
  mkdir -p "$DEMO"
  "$BUILD/tools/create_demo_db" "$DEMO" --fuente "$PWD" --articulos "${TALLYVO_ARTICULOS:-50000}"
fi
# The station's application directory is the demo this run names, also when
# an earlier run named another folder.
"$BUILD/tools/create_demo_db" "$DEMO" --registrar
# The login window lists the demo entry first. Entries an administrator
# added (a "localhost:/ruta" for the server mode) stay as they are.
SERVERS="$DEMO/SERVIDORES.cfg"
if [ ! -f "$SERVERS" ] || ! tr -d '\r' <"$SERVERS" | grep -qxF -- "$DEMO"; then
  {
    printf '%s\r\n' "$DEMO"
    if [ -f "$SERVERS" ]; then awk '{ sub(/\r$/, "") } NF { printf "%s\r\n", $0 }' "$SERVERS"; fi
  } >"$SERVERS.nuevo"
  mv "$SERVERS.nuevo" "$SERVERS"
fi

[ "${1:-}" = "--preparar" ] && exit 0
exec "$BUILD/app/tallyvo" "$@"
