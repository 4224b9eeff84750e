#!/usr/bin/env bash
# The demo for server mode: the demo databases placed where the machine's
# Firebird server (Debian's firebird3.0-server, running as the account
# "firebird") can open them, owned by that account and closed to everyone
# else, and the station's users ADMIN and CAJERO made on that server with
# passwords the administrator chooses. Run by root on the server's machine:
#   sudo bash scripts/server-mode.sh [--carpeta DIR] [--articulos N]
#       --carpeta   where the databases go (default /var/lib/firebird/3.0/data/tallyvo):
#                   DIR/datos/general.fdb and DIR/datos/<company>/tallyvo.fdb
#       --servidor  how to reach the server from here (default localhost)
#       --cuenta    the server's account (default firebird)
# SYSDBA's password: ISC_PASSWORD, else the package's /etc/firebird/3.0/SYSDBA.password.
# The users' passwords: TALLYVO_CLAVE_ADMIN and TALLYVO_CLAVE_CAJERO, else asked.
# Existing databases in DIR are never replaced. The stations then list the
# entry "<server's host>:DIR" in their SERVIDORES.cfg (docs/administration.md).
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
FOLDER=/var/lib/firebird/3.0/data/tallyvo
SERVER=localhost
ACCOUNT=firebird
ARTICLES=${TALLYVO_ARTICULOS:-50000}
while [ $# -gt 0 ]; do
  case "$1" in
    --carpeta) FOLDER=$2; shift 2 ;;
    --servidor) SERVER=$2; shift 2 ;;
    --cuenta) ACCOUNT=$2; shift 2 ;;
    --articulos) ARTICLES=$2; shift 2 ;;
    -h | --help) sed -n '2,16p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "opción desconocida: $1 (vea --help)" >&2; exit 2 ;;
  esac
done
fail() { echo "$*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || fail "Corra este programa como root (sudo): los archivos deben quedar de la cuenta $ACCOUNT."
id "$ACCOUNT" >/dev/null 2>&1 || fail "No existe la cuenta $ACCOUNT (¿está instalado firebird3.0-server?)."
FOLDER=$(realpath -m "$FOLDER")
[ -e "$FOLDER/datos/general.fdb" ] && fail "Ya hay bases de datos en $FOLDER/datos; no se reemplazan."

# The demo generator and the schema: the installed ones beside this script, or a checkout's.
if [ -x "$HERE/create_demo_db" ]; then
  GENERATOR=$HERE/create_demo_db SOURCE=$(realpath "$HERE/../../share/tallyvo")
else
  SOURCE=$(cd "$HERE/.." && pwd)
  BUILD=${TALLYVO_BUILD:-$SOURCE/build/release}
  if [ ! -x "$BUILD/tools/create_demo_db" ]; then
    cmake -S "$SOURCE" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALLYVO_TESTS=OFF >/dev/null
    cmake --build "$BUILD" --target create_demo_db -- -j4
  fi
  GENERATOR=$BUILD/tools/create_demo_db
fi

if [ -z "${ISC_PASSWORD:-}" ] && [ -r /etc/firebird/3.0/SYSDBA.password ]; then
  ISC_PASSWORD=$(. /etc/firebird/3.0/SYSDBA.password && echo "${ISC_PASSWORD:-}")
fi
[ -n "${ISC_PASSWORD:-}" ] || fail "No se conoce la clave de SYSDBA del servidor: póngala en ISC_PASSWORD."
ask() {
  local name=$1 value=${!2:-} again
  while [ -z "$value" ]; do
    read -rsp "Clave de $name en el servidor: " value && echo >&2
    read -rsp "Repítala: " again && echo >&2
    [ "$value" = "$again" ] || { echo "No coinciden." >&2; value=""; }
  done
  case "$value" in *"'"*) fail "La clave de $name no puede llevar comillas simples." ;; esac
  printf '%s' "$value"
}
ADMIN_PASSWORD=$(ask ADMIN TALLYVO_CLAVE_ADMIN)
CAJERO_PASSWORD=$(ask CAJERO TALLYVO_CLAVE_CAJERO)

# Made aside with the embedded engine, then put in place with their owner and modes:
# folders 0770 and files 0660 of the server's account, nothing for others.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "Creando las bases de datos de demostración ($ARTICLES artículos)..."
# The embedded engine's lock files go with them: root's in /tmp/firebird, the
# server's folder, would lock the server out if the generator died.
TALLYVO_REGISTRY_DIR=$work/registro FIREBIRD_LOCK=$work/bloqueos \
  "$GENERATOR" "$work/demo" --fuente "$SOURCE" --articulos "$ARTICLES" >/dev/null
mkdir -p "$FOLDER"
cp -r "$work/demo/datos" "$FOLDER/"
chown -R "$ACCOUNT:$ACCOUNT" "$FOLDER"
find "$FOLDER" -type d -exec chmod 0770 {} +
find "$FOLDER" -type f -exec chmod 0660 {} +
# The server's account must also be able to walk to the folder.
parent=$(dirname "$FOLDER")
while [ "$parent" != / ]; do
  if ! setpriv --reuid="$ACCOUNT" --regid="$ACCOUNT" --init-groups test -x "$parent"; then
    fail "La cuenta $ACCOUNT no puede entrar a $parent: elija otra carpeta o dele permiso de paso."
  fi
  parent=$(dirname "$parent")
done

# The users, through the server itself: this also shows it can open the files.
{
  echo "connect '$SERVER:$FOLDER/datos/general.fdb' user 'SYSDBA' password '$ISC_PASSWORD';"
  echo "create or alter user \"ADMIN\" password '$ADMIN_PASSWORD' using plugin Srp;"
  echo "create or alter user \"CAJERO\" password '$CAJERO_PASSWORD' using plugin Srp;"
  echo "commit;"
} | isql-fb -q -bail >/dev/null || fail "El servidor $SERVER no abrió $FOLDER/datos/general.fdb o no aceptó la clave de SYSDBA."

echo "Listo. Las bases de datos están en $FOLDER/datos, de la cuenta $ACCOUNT."
echo "En cada estación, agregue a SERVIDORES.cfg la entrada:  <equipo del servidor>:$FOLDER"
echo "(en este mismo equipo: localhost:$FOLDER). Usuarios: ADMIN y CAJERO con las claves dadas."
