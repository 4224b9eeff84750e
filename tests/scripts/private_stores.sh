#!/usr/bin/env bash
# The suite's programs never touch the user's settings store nor the folder it
# names: run with a HOME whose store names a sentinel folder as the
# application folder (and with TALLYVO_REGISTRY_DIR naming that store too),
# the programs that write the error log and the store leave the store and the
# sentinel as they were. A test that would leave the program on the user's
# store fails it.
#   private_stores.sh BUILD_DIR [PROGRAM ARGS...]   (one program instead of the set)
set -euo pipefail
build=$1
shift
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
home=$tmp/home
store=$home/.local/share/tallyvo/registry
sentinel=$tmp/centinela
mkdir -p "$store" "$sentinel"
printf '[Software]\n\n[Software\\Orvane]\n\n[Software\\Orvane\\Tallyvo2008]\n"Directorio"="%s"\n\n' "$sentinel" \
  >"$store/HKEY_LOCAL_MACHINE.reg"
touch -d '2020-01-01 00:00' "$sentinel" "$store/HKEY_LOCAL_MACHINE.reg"
before=$(cd "$home" && find . -printf '%p %s %T@\n' | sort)

run() {
  echo "== $*"
  env -u XDG_DATA_HOME HOME="$home" TALLYVO_REGISTRY_DIR="$store" "$@" >"$tmp/salida" 2>&1 ||
    { tail -n 30 "$tmp/salida"; echo "FALLO: $* terminó con error"; exit 1; }
}
if [ $# -gt 0 ]; then
  run "$@"
else
  run "$build/tests/test_core" --gtest_filter='Registry*:TestProcess*'
  run "$build/tests/test_app" --gtest_filter='Archivos*:Errores*:PuertoSerie*'
  run "$build/tests/test_serial" --gtest_filter='*Storage*:*Registry*'
  run "$build/fuzz/fuzz_replay_registry" "$(dirname "$0")/../../fuzz/corpus/registry"
fi

# The check itself: a test that leaves the program on the user's store fails.
if env -u XDG_DATA_HOME HOME="$home" "$build/tests/test_core" --gtest_also_run_disabled_tests \
    --gtest_filter='TestProcess.DISABLED_*' >"$tmp/salida" 2>&1; then
  echo "FALLO: un programa que queda en el almacén del usuario pasó"
  exit 1
fi
grep -q "the user's own settings store" "$tmp/salida" || { cat "$tmp/salida"; echo "FALLO: sin el aviso"; exit 1; }

after=$(cd "$home" && find . -printf '%p %s %T@\n' | sort)
if [ "$before" != "$after" ] || [ -n "$(ls -A "$sentinel")" ]; then
  echo "FALLO: el almacén del usuario o la carpeta que nombra cambiaron"
  diff <(echo "$before") <(echo "$after") || true
  ls -la "$sentinel"
  exit 1
fi
echo "El almacén del usuario y la carpeta centinela quedaron intactos."
