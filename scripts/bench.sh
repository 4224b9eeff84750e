#!/usr/bin/env bash
# Builds the benchmark programs in release mode and runs them: each prints, per
# path, the station's figure, the bare figure of the same library from the same
# run, their ratio and the load average (docs/performance.md).
#   scripts/bench.sh [--build-only] [rounds]   (9 rounds by default: fewer leave the
#   provider's and the export's figures moving with what the allocator holds)
# JOBS sets the build's parallelism (4 by default: the machine is shared).
# The databases are made once under build/bench/datos: a demo of 50,000
# articles (TALLYVO_ARTICULOS) and a table of 100,000 articles; the registry
# store that names the demo to the station is build/bench/datos/registro.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=build/bench
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALLYVO_TESTS=OFF -DTALLYVO_BENCH=ON >/dev/null
cmake --build "$BUILD" -j"${JOBS:-4}" --target bench_firebird_bench bench_station_bench bench_grid_bench \
  bench_sort_bench bench_stations_bench bench_dataset_bench bench_startup_bench bench_registry_bench tallyvo \
  create_demo_db
[ "${1:-}" = "--build-only" ] && exit 0
ROUNDS=${1:-9}

DATA=$PWD/$BUILD/datos
DEMO=$DATA/demo
# The embedded engine's lock files stay out of the machine's server's /tmp/firebird.
export FIREBIRD_LOCK=$PWD/$BUILD/firebird-lock
mkdir -p "$FIREBIRD_LOCK"
if [ ! -f "$DEMO/datos/001/tallyvo.fdb" ]; then
  echo "Creando la demostración de ${TALLYVO_ARTICULOS:-50000} artículos en $DEMO (solo la primera vez)..."
  rm -rf "$DEMO" && mkdir -p "$DEMO"
  # The demo's registry value goes to the bench's own store, not the user's.
  TALLYVO_REGISTRY_DIR=$DATA/registro \
    "$BUILD/tools/create_demo_db" "$DEMO" --fuente "$PWD" --articulos "${TALLYVO_ARTICULOS:-50000}" >/dev/null
fi
# The multi-station benchmark talks to a Firebird server of the bench's own on
# loopback (state in build/bench/firebird; the machine's server is left
# alone); the start-up benchmark shows the station on a virtual X display (one
# started here stops at the end, as the server does).
export TALLYVO_FB_STATE=$DATA/../firebird
STOP="bash '$PWD/scripts/services/firebird.sh' stop"
trap "$STOP" EXIT
bash scripts/services/firebird.sh start >/dev/null
TALLYVO_FB_SERVER=$(bash scripts/services/firebird.sh entry)
TALLYVO_FB_PASSWORD=$(bash scripts/services/firebird.sh sysdba)
export TALLYVO_FB_SERVER TALLYVO_FB_PASSWORD
if ! XDISPLAY=$(bash scripts/services/xvfb.sh display); then
  XDISPLAY=$(bash scripts/services/xvfb.sh start)
  trap "$STOP; bash '$PWD/scripts/services/xvfb.sh' stop" EXIT
fi

B=$BUILD/bench
echo "load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"
{
  "$B/bench_station_bench" "$DEMO" 400
  DISPLAY=$XDISPLAY "$B/bench_startup_bench" "$BUILD/app/tallyvo" "$DEMO" 10
  "$B/bench_firebird_bench" "$DATA/articulos" "$ROUNDS"
  "$B/bench_grid_bench" "$ROUNDS"
  "$B/bench_sort_bench" "$ROUNDS"
  "$B/bench_registry_bench" "$ROUNDS"
  "$B/bench_stations_bench" "$DEMO/datos/001/tallyvo.fdb" 1,4,16,32 2
} | awk '!/^path / || !seen++' # one heading for the whole table
