#!/usr/bin/env bash
# Builds the station in release mode and starts it on the embedded demo
# databases. The first run creates them in a folder of the user's own
# (TALLYVO_DEMO, by default ~/.local/share/tallyvo/demo), which becomes the
# application directory; SERVIDORES.cfg there names the folder as the one
# server entry, so the embedded engine opens the files (no server needed).
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
  # The demo users read and write every object, and each login's audit row
  # takes its number from the database.
  grants="EXECUTE BLOCK AS DECLARE n VARCHAR(63); BEGIN
  FOR SELECT TRIM(rdb\$relation_name) FROM rdb\$relations WHERE rdb\$system_flag = 0 INTO :n DO
    EXECUTE STATEMENT 'GRANT ALL ON \"' || n || '\" TO PUBLIC';
  FOR SELECT TRIM(rdb\$procedure_name) FROM rdb\$procedures WHERE rdb\$system_flag = 0 INTO :n DO
    EXECUTE STATEMENT 'GRANT EXECUTE ON PROCEDURE \"' || n || '\" TO PUBLIC';
  FOR SELECT TRIM(rdb\$generator_name) FROM rdb\$generators WHERE rdb\$system_flag = 0 INTO :n DO
    EXECUTE STATEMENT 'GRANT USAGE ON GENERATOR \"' || n || '\" TO PUBLIC';
END"
  audit="CREATE OR ALTER TRIGGER ESTACION_AUDITORIA_ID FOR AUDITORIA BEFORE INSERT AS BEGIN
  IF (NEW.AUDI_ID IS NULL) THEN NEW.AUDI_ID = GEN_ID(GEN_AUDITORIA, 1); END"
  printf 'SET TERM ^;\n%s^\nCOMMIT^\n' "$grants" | isql-fb -q -user SYSDBA "$DEMO/datos/general.fdb"
  for db in "$DEMO"/datos/*/tallyvo.fdb; do
    printf 'SET TERM ^;\n%s^\n%s^\nCOMMIT^\n' "$grants" "$audit" | isql-fb -q -user SYSDBA "$db"
  done
fi
# The login window lists this entry (written anew on every run).
printf '%s\r\n' "$DEMO" >"$DEMO/SERVIDORES.cfg"

[ "${1:-}" = "--preparar" ] && exit 0
exec "$BUILD/app/tallyvo" "$@"
