#!/usr/bin/env bash
# The Firebird server the login tests talk to, on the loopback address.
#   bash scripts/services/firebird.sh start   starts it when it is not running, gives
#                                             SYSDBA a known password and creates the
#                                             demo users; safe to run again
#   bash scripts/services/firebird.sh stop    stops a server this script started
# Users: SYSDBA / quillmoss, ADMIN / admin, CAJERO / cajero.
set -euo pipefail

SYSDBA_PASSWORD=quillmoss
USERS=("ADMIN:admin" "CAJERO:cajero")
PORT=3050
STATE=/tmp/tallyvo-fbserver
PIDFILE=$STATE/firebird.pid
PACKAGE_PASSWORD_FILE=/etc/firebird/3.0/SYSDBA.password

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo -E "$@"; fi; }
listening() { (exec 3<>"/dev/tcp/127.0.0.1/$PORT") 2>/dev/null; }
isql() { isql-fb -q "$@"; }

start_server() {
  if command -v systemctl >/dev/null 2>&1 && systemctl is-system-running >/dev/null 2>&1; then
    as_root systemctl start firebird3.0 || true
  fi
  if ! listening; then
    # No service manager (a container or a CI machine): run the server ourselves.
    as_root bash -c "setsid /usr/sbin/firebird >'$STATE/server.log' 2>&1 </dev/null & echo \$! >'$PIDFILE'"
  fi
  for _ in $(seq 1 60); do
    listening && return 0
    sleep 0.5
  done
  echo "El servidor Firebird no arrancó; vea $STATE/server.log" >&2
  exit 1
}

# A database reached through the server, for running the user statements.
USERS_DB=$STATE/usuarios.fdb

try_password() {
  local pw=$1
  if [ -f "$USERS_DB" ]; then
    echo "connect 'localhost:$USERS_DB' user 'SYSDBA' password '$pw';" | isql >/dev/null 2>&1
  else
    echo "create database 'localhost:$USERS_DB' user 'SYSDBA' password '$pw';" | isql >/dev/null 2>&1
  fi
}

# A security database whose SYSDBA password nobody knows (or that has no SYSDBA
# yet): when this script runs the server, stop it, set the password with the
# embedded engine, which needs none, and start it again.
bootstrap_sysdba() {
  [ -f "$PIDFILE" ] || return 1
  local secdb=/var/lib/firebird/3.0/system/security3.fdb
  [ -e "$secdb" ] || return 1
  as_root kill "$(cat "$PIDFILE")" 2>/dev/null || return 1
  rm -f "$PIDFILE"
  for _ in $(seq 1 40); do listening || break; sleep 0.25; done
  echo "create or alter user SYSDBA password '$SYSDBA_PASSWORD' using plugin Srp; commit;" |
    as_root isql-fb -q -user SYSDBA "$secdb" >/dev/null || return 1
  start_server
  rm -f "$USERS_DB"
  try_password "$SYSDBA_PASSWORD"
}

setup_users() {
  local current=""
  local candidates=("$SYSDBA_PASSWORD")
  if [ -r "$PACKAGE_PASSWORD_FILE" ]; then
    candidates+=("$(. "$PACKAGE_PASSWORD_FILE" && echo "${ISC_PASSWORD:-}")")
  elif [ -e "$PACKAGE_PASSWORD_FILE" ]; then
    candidates+=("$(as_root bash -c ". '$PACKAGE_PASSWORD_FILE' && echo \"\${ISC_PASSWORD:-}\"")")
  fi
  candidates+=("masterkey")
  for pw in "${candidates[@]}"; do
    [ -n "$pw" ] || continue
    if try_password "$pw"; then current=$pw; break; fi
  done
  if [ -z "$current" ] && bootstrap_sysdba; then
    current=$SYSDBA_PASSWORD
  fi
  if [ -z "$current" ]; then
    echo "No se conoce la clave de SYSDBA del servidor Firebird." >&2
    exit 1
  fi
  {
    echo "connect 'localhost:$USERS_DB' user 'SYSDBA' password '$current';"
    for u in "${USERS[@]}"; do
      echo "create or alter user \"${u%%:*}\" password '${u#*:}';"
    done
    echo "alter user SYSDBA password '$SYSDBA_PASSWORD';"
    echo "commit;"
  } | isql
  # Keep the package's note of the password in step with the server.
  if [ -w "$PACKAGE_PASSWORD_FILE" ]; then
    sed -i "s/^ISC_PASSWORD=.*/ISC_PASSWORD=\"$SYSDBA_PASSWORD\"/" "$PACKAGE_PASSWORD_FILE"
  fi
}

case "${1:-start}" in
  start)
    mkdir -p "$STATE"
    chmod 0777 "$STATE" 2>/dev/null || true
    listening || start_server
    setup_users
    echo "Servidor Firebird en 127.0.0.1:$PORT (SYSDBA/$SYSDBA_PASSWORD)"
    ;;
  stop)
    if [ -f "$PIDFILE" ]; then
      as_root kill "$(cat "$PIDFILE")" 2>/dev/null || true
      rm -f "$PIDFILE"
    fi
    ;;
  *)
    echo "uso: $0 start|stop" >&2
    exit 2
    ;;
esac
