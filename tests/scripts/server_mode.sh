#!/usr/bin/env bash
# The demo set-up for server mode (scripts/server-mode.sh), run as an
# administrator runs it, against a Firebird server of this test's own running
# under the packaged server's account: the databases end up the account's,
# closed to others, the chosen passwords log in through the server and
# others do not, and a second run leaves the databases alone. Then the backup
# and restore of docs/administration.md, with this server's address: copies
# taken while a cashier is connected and kept private, a restore the
# account owns, a replacement refused while a station is connected; and the
# embedded engine's backup and restore as a user who is not the server's.
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
# Backups through the server while a cashier is connected, as docs/administration.md says.
backups=$tmp/copias
install -d -m 0700 "$backups"
export ISC_USER=SYSDBA
hold() { echo "connect '$host:$shop/datos/001/tallyvo.fdb' user 'CAJERO' password '$TALLYVO_CLAVE_CAJERO'; shell sleep $1;" | isql-fb -q & }
hold 4
sleep 1
(
  umask 077
  cd "$shop"
  for db in datos/general.fdb datos/*/tallyvo.fdb; do
    gbak -b "$host:$PWD/$db" "$backups/$(echo "$db" | tr / _)-copia.fbk"
  done
) || fail "gbak no copió con un cajero conectado"
wait
ls "$backups" | sort | tr '\n' ' ' | grep -qx "datos_001_tallyvo.fdb-copia.fbk datos_002_tallyvo.fdb-copia.fbk datos_general.fdb-copia.fbk " ||
  fail "faltan copias: $(ls "$backups")"
[ -z "$(find "$backups" -type f ! -perm 0600)" ] || fail "copias abiertas a otros: $(ls -l "$backups")"

# A restore into a new file through the server: the account's, and it reads.
gbak -c "$backups/datos_001_tallyvo.fdb-copia.fbk" "$host:$shop/datos/001/tallyvo-restaurada.fdb" ||
  fail "gbak no restauró"
[ "$(stat -c '%U:%G %a' "$shop/datos/001/tallyvo-restaurada.fdb")" = "firebird:firebird 660" ] ||
  fail "la restaurada es $(stat -c '%U:%G %a' "$shop/datos/001/tallyvo-restaurada.fdb")"
sql CAJERO "$TALLYVO_CLAVE_CAJERO" 001/tallyvo-restaurada.fdb "select count(*) from articulo;" | grep -qw 20 ||
  fail "la base restaurada no se lee"
# Replacing in place is refused while a station is connected, and works once it left.
hold 4
sleep 1
gbak -rep "$backups/datos_001_tallyvo.fdb-copia.fbk" "$host:$shop/datos/001/tallyvo.fdb" >"$tmp/rep.log" 2>&1 &&
  fail "gbak -rep reemplazó una base en uso"
grep -q "might be in use" "$tmp/rep.log" || { cat "$tmp/rep.log"; fail "gbak -rep no dijo que la base está en uso"; }
wait
gbak -rep "$backups/datos_001_tallyvo.fdb-copia.fbk" "$host:$shop/datos/001/tallyvo.fdb" || fail "gbak -rep falló sin estaciones"
sql CAJERO "$TALLYVO_CLAVE_CAJERO" 001/tallyvo.fdb "select count(*) from articulo;" | grep -qw 20 ||
  fail "la base reemplazada no se lee"

# On the embedded engine, as a user of the machine who is not the server's
# account, with the commands of docs/administration.md.
casa=$tmp/casa
install -d -o nobody -g nogroup -m 0700 "$casa" "$casa/tallyvo-demo" "$casa/tallyvo-demo/datos" "$casa/tmp"
install -o nobody -g nogroup -m 0600 "$shop/datos/general.fdb" "$casa/tallyvo-demo/datos/general.fdb"
as_user() { setpriv --reuid=nobody --regid=nogroup --clear-groups env -u FIREBIRD_LOCK HOME="$casa" TMPDIR="$casa/tmp" "$@"; }
as_user sh -c 'export FIREBIRD_LOCK=${TMPDIR:-/tmp}/firebird-$(id -u)
  install -d -m 0700 ~/copias-tallyvo
  (umask 077; gbak -b -user SYSDBA ~/tallyvo-demo/datos/general.fdb ~/copias-tallyvo/general-copia.fbk) &&
  gbak -c -user SYSDBA ~/copias-tallyvo/general-copia.fbk ~/tallyvo-demo/datos/general-restaurada.fdb' \
  >"$tmp/embebido.log" 2>&1 || { cat "$tmp/embebido.log"; fail "la copia con el motor embebido falló"; }
[ "$(stat -c '%U %a' "$casa/copias-tallyvo/general-copia.fbk")" = "nobody 600" ] ||
  fail "la copia embebida es $(stat -c '%U %a' "$casa/copias-tallyvo/general-copia.fbk")"
said=$(echo "set heading off; select count(*) from usuario where usua_cod = 'CAJERO';" |
  as_user env FIREBIRD_LOCK="$casa/tmp/firebird-$(id -u nobody)" isql-fb -q -user SYSDBA \
    "$casa/tallyvo-demo/datos/general-restaurada.fdb" 2>&1 || true)
grep -qw 1 <<<"$said" || fail "la base restaurada con el motor embebido no se lee: $said"
echo "el modo servidor deja las bases de la cuenta del servidor, entra con las claves elegidas y se respalda"
