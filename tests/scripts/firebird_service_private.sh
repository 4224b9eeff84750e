#!/usr/bin/env bash
# make test's Firebird service, run as make test runs it, on a state folder of
# this test's own: the machine's server files stay byte for byte as they were,
# the service's server listens only on its own loopback port (never 3050),
# checks passwords against its own users, keeps its port across a restart,
# keeps SYSDBA's password to its owner, and stops when told.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tmp=$(mktemp -d)
export TALLYVO_FB_STATE=$tmp/firebird
service() { bash "$root/scripts/services/firebird.sh" "$@"; }
trap 'service stop >/dev/null 2>&1 || true; rm -rf "$tmp"' EXIT
fail() { echo "FALLO: $*"; exit 1; }

# What the machine has: its server's files, and who listens on the package's port.
machine_files=(/etc/firebird/3.0/SYSDBA.password /etc/firebird/3.0/firebird.conf /etc/firebird/3.0/databases.conf
  /var/lib/firebird/3.0/system/security3.fdb)
fingerprint() {
  for f in "${machine_files[@]}"; do
    if [ -r "$f" ]; then sha256sum "$f"; elif [ -e "$f" ]; then stat -c '%n %s %Y %i' "$f"; fi
  done
}
listeners_3050() { ss -Hltnp 'sport = :3050' 2>/dev/null | sort; }
security=/var/lib/firebird/3.0/system/security3.fdb
# Processes with the machine's security database open: only an engine that has
# it open can write it (the machine's own server, if someone runs it).
holders() {
  for p in /proc/[0-9]*; do
    if ls -l "$p/fd" 2>/dev/null | grep " $security\$" >/dev/null; then echo "${p#/proc/}"; fi
  done | sort -n | tr '\n' ' '
}
before=$(fingerprint)
listening_before=$(listeners_3050)
holders_before=$(holders)

service start >"$tmp/start.log" 2>&1 || { cat "$tmp/start.log"; fail "el servicio no arrancó"; }
service start >/dev/null || fail "arrancar otra vez falló"
host=$(service entry) || fail "el servicio no dice su servidor"
pid=$(cat "$TALLYVO_FB_STATE/pid")
port=${host#localhost/}
[ "$port" != 3050 ] || fail "el servidor de las pruebas tomó el puerto 3050"

# The server listens on its port of the loopback address, and nowhere else.
mine=$(ss -Hltnp 2>/dev/null | grep "pid=$pid," | awk '{ print $4 }')
[ "$mine" = "127.0.0.1:$port" ] || fail "el servidor escucha en: $mine"
[ "$(listeners_3050)" = "$listening_before" ] || fail "algo empezó a escuchar en 3050: $(listeners_3050)"

# Its own users: SYSDBA with the folder's password, the demo's cashier; a wrong password is refused.
[ "$(stat -c %a "$TALLYVO_FB_STATE/sysdba")" = 600 ] || fail "la clave de SYSDBA la pueden leer otros"
sysdba=$(service sysdba)
[ -n "$sysdba" ] && [ "$sysdba" != quillmoss ] && [ "$sysdba" != masterkey ] || fail "SYSDBA tiene una clave conocida"
db=$tmp/prueba.fdb
echo "create database '$host:$db' user 'SYSDBA' password '$sysdba'; commit;" | isql-fb -q ||
  fail "SYSDBA no entra"
# isql's whole answer first: a grep -q that stops reading could end isql on a broken pipe.
said=$(echo "connect '$host:$db' user 'CAJERO' password 'cajero'; select current_user from rdb\$database;" |
  isql-fb -q 2>&1 || true)
grep -qw CAJERO <<<"$said" || fail "CAJERO no entra: $said"
if echo "connect '$host:$db' user 'SYSDBA' password 'quillmoss';" | isql-fb -q 2>/dev/null; then
  fail "la clave publicada de SYSDBA entra"
fi

# Its files are its own: nothing of the machine's server is open in it.
opened=$(ls -l "/proc/$pid/fd" 2>/dev/null | grep -E ' /(etc|var/lib)/firebird' || true)
[ -z "$opened" ] || fail "el servidor de las pruebas abrió archivos de la máquina: $opened"

# A restart keeps the port, so the entries a test holds still reach it.
service stop
kill -0 "$pid" 2>/dev/null && fail "el servidor siguió corriendo tras stop"
service entry >/dev/null 2>&1 && fail "entry responde sin servidor"
service start >/dev/null
[ "$(service entry)" = "$host" ] || fail "el puerto cambió al arrancar otra vez: $(service entry)"
service stop

after=$(fingerprint)
if [ "$after" != "$before" ]; then
  changed=$(diff <(echo "$before") <(echo "$after") | grep '^>' | awk '{ print $NF }' | sort -u)
  # The machine's own server, run by someone else meanwhile, writes its security
  # database at every login; that change is not the tests'.
  if [ "$changed" = "$security" ] && [ -n "$holders_before$(holders)" ]; then
    echo "aviso: el servidor propio de la máquina (pid $holders_before$(holders)) cambió $security mientras tanto"
  else
    fail "cambiaron archivos del servidor de la máquina: $changed"
  fi
fi
[ "$(listeners_3050)" = "$listening_before" ] || fail "quedó algo escuchando en 3050"
echo "el servidor de las pruebas es propio y la máquina quedó como estaba"
