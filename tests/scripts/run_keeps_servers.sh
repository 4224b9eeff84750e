#!/usr/bin/env bash
# `make run` again and again: the server entries an administrator added to
# SERVIDORES.cfg stay, and the demo entry is there once.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
demo=$tmp/demo
servers=$demo/SERVIDORES.cfg
mkdir -p "$demo/datos"
: >"$demo/datos/general.fdb" # the demo databases exist: none is made
export TALLYVO_REGISTRY_DIR=$tmp/registro
run() { TALLYVO_DEMO=$demo bash "$root/scripts/run.sh" --preparar >/dev/null; }
check() {
  if [ "$(cat "$servers")" != "$2" ]; then
    echo "FALLO: $1"
    cat -A "$servers"
    exit 1
  fi
}

run
check "la primera vez se escribe la entrada de demostración" "$demo"$'\r'
printf 'localhost:/srv/tallyvo\r\n' >>"$servers"
run
check "la segunda vez se conserva la línea agregada" "$demo"$'\r\n'"localhost:/srv/tallyvo"$'\r'
printf 'localhost:/srv/otra' >"$servers"
run
check "una lista sin la entrada de demostración la recibe y conserva las demás" \
  "$demo"$'\r\n'"localhost:/srv/otra"$'\r'
