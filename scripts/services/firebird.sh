#!/usr/bin/env bash
# The tests' own Firebird server: Debian's server binary run as the calling
# user with a configuration, security database, lock and temporary folders of
# its own, listening on a free port of the loopback address. The machine's
# server, its files (/etc/firebird, /var/lib/firebird) and its users are
# neither read nor changed, and nothing listens on 3050 because of it.
#   bash scripts/services/firebird.sh start    starts it when it is not running; safe to run again
#   bash scripts/services/firebird.sh stop     stops it (the state folder stays for the next start)
#   bash scripts/services/firebird.sh entry    prints its host part, "localhost/<port>"; fails when it is not running
#   bash scripts/services/firebird.sh sysdba   prints SYSDBA's password of this server
# The state folder is TALLYVO_FB_STATE, else <checkout>/${TALLYVO_TEST_BUILD:-build/test}/firebird:
# one server per build folder, so several checkouts run their suites at once.
# Users: SYSDBA with a password made at random when the folder is first laid
# out (in <state>/sysdba, readable by its owner only), and the demo's users
# ADMIN / admin and CAJERO / cajero.
# Run by root, TALLYVO_FB_USER=<account> runs the server under that account
# (as the packaged server runs under "firebird"); the state folder is then its.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/../.." && pwd)
STATE=${TALLYVO_FB_STATE:-$ROOT/${TALLYVO_TEST_BUILD:-build/test}/firebird}
mkdir -p "$STATE"
STATE=$(cd "$STATE" && pwd)
SYSTEM_ROOT=$(ls -d /usr/lib/*/firebird/3.0 2>/dev/null | head -1 || true)
SERVER=/usr/sbin/firebird
USERS=("ADMIN:admin" "CAJERO:cajero")
ACCOUNT=${TALLYVO_FB_USER:-}
if [ -n "$ACCOUNT" ] && [ "$(id -u)" -ne 0 ]; then
  echo "TALLYVO_FB_USER necesita correr como root" >&2
  exit 1
fi

# The server and the tools run with this folder as their whole configuration.
engine_env() { env FIREBIRD="$STATE/root" FIREBIRD_LOCK="$STATE/lock" FIREBIRD_TMP="$STATE/tmp" "$@"; }
port() { cat "$STATE/port" 2>/dev/null; }
listening() { [ -n "$(port)" ] && (exec 3<>"/dev/tcp/127.0.0.1/$(port)") 2>/dev/null; }
# The recorded process, when it is still this folder's server (a pid can be reused).
ours() { [ -f "$STATE/pid" ] && [ "$(readlink "/proc/$(cat "$STATE/pid")/exe" 2>/dev/null)" = "$SERVER" ]; }
running() { ours && listening; }

# exec, so that the pid of the background job is the server's.
as_account() {
  if [ -n "$ACCOUNT" ]; then exec setpriv --reuid="$ACCOUNT" --regid="$ACCOUNT" --init-groups "$@"; else exec "$@"; fi
}

free_port() {
  python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

write_config() {
  cat >"$STATE/root/firebird.conf" <<CONF
RemoteServicePort = $1
RemoteBindAddress = 127.0.0.1
SecurityDatabase = $STATE/security3.fdb
UdfAccess = None
CONF
}

# The first start lays out the server's root beside the system one (its
# binaries, messages and plugins by link, its configuration of its own) and
# makes a security database with the suite's users.
lay_out() {
  [ -f "$STATE/ready" ] && return 0
  [ -x "$SERVER" ] && [ -d "$SYSTEM_ROOT/plugins" ] ||
    { echo "Falta el servidor Firebird (firebird3.0-server; make deps lo instala)" >&2; exit 1; }
  rm -rf "$STATE/root" "$STATE/lock" "$STATE/tmp" "$STATE/security3.fdb"
  mkdir -p "$STATE/root" "$STATE/lock" "$STATE/tmp"
  chmod 0700 "$STATE"
  for e in firebird.msg intl lib plugins UDF; do
    [ -e "$SYSTEM_ROOT/$e" ] && ln -s "$SYSTEM_ROOT/$e" "$STATE/root/$e"
  done
  : >"$STATE/root/plugins.conf"
  printf 'security.db = %s\n{\n\tRemoteAccess = false\n}\n' "$STATE/security3.fdb" >"$STATE/root/databases.conf"
  write_config 0
  (umask 077 && head -c 12 /dev/urandom | base64 | tr -d '/+=' >"$STATE/sysdba")
  local sysdba
  sysdba=$(cat "$STATE/sysdba")
  echo "create database '$STATE/security3.fdb'; commit;" | engine_env isql-fb -q -user SYSDBA >/dev/null
  {
    echo "create user SYSDBA password '$sysdba' using plugin Srp;"
    for u in "${USERS[@]}"; do
      echo "create user \"${u%%:*}\" password '${u#*:}' using plugin Srp;"
    done
    echo "commit;"
  } | engine_env isql-fb -q -user SYSDBA "$STATE/security3.fdb"
  [ -z "$ACCOUNT" ] || chown -R "$ACCOUNT:" "$STATE"
  touch "$STATE/ready"
}

start() {
  # Two runs in one build folder start one server.
  exec 9>"$STATE/.arranque"
  flock 9
  lay_out
  running && return 0
  rm -f "$STATE/pid"
  local p
  for _ in 1 2 3; do
    # The port of the last start when it is still free: a test that stops and
    # starts the server keeps its entries.
    p=$(port || true)
    if [ -z "$p" ] || [ "$p" = 0 ] || (exec 3<>"/dev/tcp/127.0.0.1/$p") 2>/dev/null; then p=$(free_port); fi
    write_config "$p"
    echo "$p" >"$STATE/port"
    as_account env FIREBIRD="$STATE/root" FIREBIRD_LOCK="$STATE/lock" FIREBIRD_TMP="$STATE/tmp" \
      setsid "$SERVER" </dev/null >"$STATE/server.log" 2>&1 9>&- &
    echo $! >"$STATE/pid"
    for _ in $(seq 1 100); do
      listening && kill -0 "$(cat "$STATE/pid")" 2>/dev/null && return 0
      kill -0 "$(cat "$STATE/pid")" 2>/dev/null || break
      sleep 0.1
    done
    kill "$(cat "$STATE/pid")" 2>/dev/null || true
    rm -f "$STATE/pid" "$STATE/port"
  done
  echo "El servidor Firebird de las pruebas no arrancó; vea $STATE/server.log" >&2
  exit 1
}

stop() {
  ours || { rm -f "$STATE/pid"; return 0; }
  local pid
  pid=$(cat "$STATE/pid")
  kill "$pid" 2>/dev/null || true
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null || true
  rm -f "$STATE/pid"
}

case "${1:-start}" in
  start)
    start
    echo "Servidor Firebird de las pruebas en localhost/$(port) (carpeta $STATE)"
    ;;
  stop) stop ;;
  entry)
    running || exit 1
    echo "localhost/$(port)"
    ;;
  sysdba)
    [ -f "$STATE/sysdba" ] || exit 1
    cat "$STATE/sysdba"
    ;;
  *)
    echo "uso: $0 start|stop|entry|sysdba" >&2
    exit 2
    ;;
esac
