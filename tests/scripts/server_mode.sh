#!/usr/bin/env bash
# The demo set-up for server mode (scripts/server-mode.sh), run as an
# administrator runs it, against a Firebird server of this test's own running
# under the packaged server's account: the databases end up the account's,
# closed to others, the chosen passwords log in through the server and
# others do not, and a second run leaves the databases alone.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
[ "$(id -u)" -eq 0 ] || { echo "hace falta root para dar los archivos a la cuenta firebird"; exit 77; }
tmp=$(mktemp -d)
chmod 0711 "$tmp"
export TALLYVO_FB_STATE=$tmp/servidor TALLYVO_FB_USER=firebird
service() { bash "$root/scripts/services/firebird.sh" "$@"; }
trap 'service stop >/dev/null 2>&1 || true; rm -rf "$tmp"' EXIT
fail() { echo "FALLO: $*"; exit 1; }
service start >/dev/null
host=$(service entry)
export ISC_PASSWORD=$(service sysdba) TALLYVO_CLAVE_ADMIN='Adm1n-tienda' TALLYVO_CLAVE_CAJERO='caja-7 norte'
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
shop=$tmp/tienda
bash "$root/scripts/server-mode.sh" --carpeta "$shop" --servidor "$host" --articulos 20 </dev/null >"$tmp/log" 2>&1 ||
  { cat "$tmp/log"; fail "server-mode.sh falló"; }

for f in "$shop" "$shop/datos" "$shop/datos/general.fdb" "$shop/datos/001" "$shop/datos/001/tallyvo.fdb" \
  "$shop/datos/002/tallyvo.fdb"; do
  want="firebird:firebird 660"
  [ -d "$f" ] && want="firebird:firebird 770"
  [ "$(stat -c '%U:%G %a' "$f")" = "$want" ] || fail "$f es $(stat -c '%U:%G %a' "$f"), no $want"
done
[ -z "$(find "$shop" -perm /o=rwx)" ] || fail "hay archivos abiertos a otros: $(find "$shop" -perm /o=rwx)"

sql() { # user password database statement: what isql says, whether it failed or not
  echo "connect '$host:$shop/datos/$3' user '$1' password '$2'; set heading off; $4" | isql-fb -q 2>&1 || true
}
sql CAJERO "$TALLYVO_CLAVE_CAJERO" 001/tallyvo.fdb "select count(*) from articulo;" | grep -qw 20 ||
  fail "CAJERO no lee los artículos por el servidor: $(sql CAJERO "$TALLYVO_CLAVE_CAJERO" 001/tallyvo.fdb 'select count(*) from articulo;')"
sql ADMIN "$TALLYVO_CLAVE_ADMIN" general.fdb "select usua_admin from usuario where usua_cod = 'ADMIN';" | grep -qw S ||
  fail "ADMIN no entra a la base general"
sql CAJERO cajero general.fdb "select 1 from rdb\$database;" | grep -q "user name and password are not defined" ||
  fail "la clave publicada de CAJERO entra"

status=0
bash "$root/scripts/server-mode.sh" --carpeta "$shop" --servidor "$host" --articulos 20 </dev/null >"$tmp/log2" 2>&1 ||
  status=$?
[ "$status" -ne 0 ] && grep -q "no se reemplazan" "$tmp/log2" || { cat "$tmp/log2"; fail "la segunda vez no se negó"; }
echo "el modo servidor deja las bases de la cuenta del servidor y entra con las claves elegidas"
