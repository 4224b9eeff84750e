#!/usr/bin/env bash
# A CUPS daemon of the tests' own, on a socket and in a folder of its own, so
# no queue of the machine is touched. Its queues print with the cups-pdf
# driver into a folder the tests read:
#   TallyvoPDF  a PDF writer
#   PDF         the same, under the name a real machine's PDF queue often has
#   Rechaza     a queue that refuses every job
#   bash scripts/services/cups.sh start   starts it when it is not running; safe to run again
#   bash scripts/services/cups.sh stop    stops it and removes its folder
# The tests reach it with CUPS_SERVER=/tmp/tallyvo-cups/cups.sock; the PDF
# files arrive in /tmp/tallyvo-cups/out.
set -euo pipefail

STATE=/tmp/tallyvo-cups
SOCKET=$STATE/cups.sock
PIDFILE=$STATE/cupsd.pid
PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo -E "$@"; fi; }
client() { CUPS_SERVER=$SOCKET "$@"; }
running() { [ -S "$SOCKET" ] && client lpstat -r 2>/dev/null | grep -q "is running"; }

write_config() {
  local etc=$STATE/etc
  mkdir -p "$etc/ppd" "$STATE/spool" "$STATE/cache" "$STATE/state" "$STATE/tmp" "$STATE/log" "$STATE/out" \
    "$STATE/pdfspool"
  chmod 0755 "$STATE" "$etc" "$STATE/out"
  chmod 1777 "$STATE/tmp" "$STATE/pdfspool"
  cat >"$etc/cupsd.conf" <<CONF
LogLevel warn
Listen $SOCKET
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
  cat >"$etc/cups-files.conf" <<CONF
ServerRoot $etc
RequestRoot $STATE/spool
CacheDir $STATE/cache
StateDir $STATE/state
TempDir $STATE/tmp
ErrorLog $STATE/log/error_log
AccessLog $STATE/log/access_log
PageLog $STATE/log/page_log
SystemGroup root
CONF
  # cups-pdf reads its settings from /etc/cups: the daemon runs in a mount
  # namespace where that folder is this one.
  cat >"$etc/cups-pdf.conf" <<CONF
Out $STATE/out
AnonDirName $STATE/out
Spool $STATE/pdfspool
Log $STATE/log
Grp root
UserUMask 0022
Label 0
CONF
}

# The queues, made again on every start (lpadmin keeps what exists).
add_queues() {
  for q in TallyvoPDF PDF Rechaza; do
    client lpadmin -p "$q" -E -v cups-pdf:/ -P "$PPD" 2>/dev/null
  done
  client cupsreject -r "La cola no recibe trabajos" Rechaza
}

start() {
  if running; then
    add_queues
    return 0
  fi
  command -v cupsd >/dev/null || { echo "Falta el paquete cups (make deps lo instala)" >&2; exit 1; }
  [ -f "$PPD" ] || { echo "Falta el paquete printer-driver-cups-pdf (make deps lo instala)" >&2; exit 1; }
  as_root unshare -m true 2>/dev/null ||
    { echo "No se puede dar a CUPS una carpeta propia (unshare -m); las pruebas de impresión en CUPS se omiten" >&2; exit 0; }
  as_root rm -rf "$STATE"
  as_root mkdir -p "$STATE"
  as_root bash -c "$(declare -f write_config); STATE='$STATE' SOCKET='$SOCKET' write_config"
  as_root unshare -m --propagation private bash -c \
    "mount --bind '$STATE/etc' /etc/cups && exec setsid cupsd -f -c '$STATE/etc/cupsd.conf' -s '$STATE/etc/cups-files.conf'" \
    >"$STATE/log/cupsd.out" 2>&1 </dev/null &
  echo $! >"$PIDFILE"
  for _ in $(seq 1 60); do
    running && break
    sleep 0.25
  done
  running || { echo "El servidor CUPS de las pruebas no arrancó; vea $STATE/log" >&2; exit 1; }
  add_queues
}

stop() {
  [ -f "$PIDFILE" ] && as_root kill "$(cat "$PIDFILE")" 2>/dev/null || true
  for _ in $(seq 1 40); do running || break; sleep 0.25; done
  as_root rm -rf "$STATE"
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  *) echo "uso: $0 start|stop" >&2; exit 2 ;;
esac
