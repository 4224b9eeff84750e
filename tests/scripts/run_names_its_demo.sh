#!/usr/bin/env bash
# `make run` starts the demo it names: after a run with TALLYVO_DEMO pointing
# elsewhere, a run naming the first folder again makes it the application
# directory again (the registry value "Directorio").
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export TALLYVO_REGISTRY_DIR=$tmp/registro
for d in uno otra; do
  mkdir -p "$tmp/$d/datos"
  : >"$tmp/$d/datos/general.fdb" # the demo databases exist: none is made
done
directorio() { grep -a 'Directorio' "$TALLYVO_REGISTRY_DIR/HKEY_LOCAL_MACHINE.reg" | grep -o "$tmp/[a-z]*" || true; }
for d in uno otra uno; do
  TALLYVO_DEMO=$tmp/$d bash "$root/scripts/run.sh" --preparar >/dev/null
  [ "$(directorio)" = "$tmp/$d" ] || { echo "FALLO: tras la demostración $d el registro dice «$(directorio)»"; exit 1; }
done
echo "cada ejecución abre la demostración que nombra"
