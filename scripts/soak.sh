#!/usr/bin/env bash
# The random hand of the desktop tests (tests/desktop/random_hand.py) with fresh
# seeds, run after run, for as long as asked:
#   bash scripts/soak.sh [SECONDS]        (make soak SECONDS=1800)
# Each run takes up to PIECE seconds (default 300) with a seed of its own; a run
# that fails leaves its seed, its actions and the command that replays it in
# build/test/soak/soak.log, and the soak goes on with the next seed. WITHOUT
# leaves kinds of action out (WITHOUT=resize,long looks past those faults).
# Ends with the count of runs, actions and failures; fails when a run failed.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_WANTED=${1:-${SECONDS_WANTED:-1800}}
PIECE=${PIECE:-300}
BUILD=${TALLYVO_TEST_BUILD:-build/test}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTALLYVO_SANITIZE=ON -DTALLYVO_TESTS=ON >/dev/null
cmake --build "$BUILD" -j"${JOBS:-4}" --target tallyvo create_demo_db screen_text x11_screenshot

B=$PWD/$BUILD
OUT=$B/soak
mkdir -p "$OUT"
# The suite's own Firebird server of this build folder; one the soak starts
# stops again at its end (make test may be using one already).
export TALLYVO_FB_STATE=$B/firebird
# The embedded engine's lock files stay out of the machine's server's /tmp/firebird.
export FIREBIRD_LOCK=$B/firebird-lock
mkdir -p "$FIREBIRD_LOCK"
fb_started=""
bash scripts/services/firebird.sh entry >/dev/null 2>&1 || fb_started=1
bash scripts/services/firebird.sh start >/dev/null
# A virtual display of the soak's own, as large as the shared one, so that
# make test can run beside it.
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; [ -n "$fb_started" ] && bash scripts/services/firebird.sh stop; true' EXIT
rm -f "$OUT/display"
Xvfb -displayfd 5 -screen 0 "${TALLYVO_XVFB_SIZE:-1280x1024}x24" -nolisten tcp 5>"$OUT/display" >"$OUT/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 1 100); do [ -s "$OUT/display" ] && break; sleep 0.1; done
[ -s "$OUT/display" ] || { echo "no arrancó la pantalla virtual; vea $OUT/xvfb.log" >&2; exit 1; }
export TALLYVO_DESKTOP_DISPLAY=":$(tr -dc '0-9' <"$OUT/display")"
DEMO=$OUT/demo
[ -d "$DEMO/app" ] || python3 tests/desktop/journeys.py prepare "$DEMO" "$B/tools"
LOG=$OUT/soak.log
echo "== soak de $SECONDS_WANTED s, $(date '+%F %T')${WITHOUT:+, sin $WITHOUT}" | tee -a "$LOG"

runs=0 failed=0 actions=0
end=$(($(date +%s) + SECONDS_WANTED))
while [ "$(date +%s)" -lt "$end" ]; do
  left=$((end - $(date +%s)))
  piece=$((left < PIECE ? left : PIECE))
  [ "$piece" -ge 20 ] || break
  seed=$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')
  seed=$((seed % 2147483647 + 1))
  out=$OUT/run-$seed.txt
  status=0
  python3 tests/desktop/random_hand.py "$DEMO" "$B/app/tallyvo" "$B/tools" --seed "$seed" --seconds "$piece" \
    ${WITHOUT:+--without "$WITHOUT"} >"$out" 2>&1 || status=$?
  runs=$((runs + 1))
  n=$(grep -oE '(^mano al azar: |FALLO tras )[0-9]+ acciones' "$out" | grep -oE '[0-9]+' | tail -1 || true)
  actions=$((actions + ${n:-0}))
  if [ "$status" -ne 0 ]; then
    failed=$((failed + 1))
    { echo "-- semilla $seed: FALLO"; cat "$out"; } >>"$LOG"
    grep -E '^FALLO|^repetir' "$out" || tail -5 "$out"
  else
    echo "-- semilla $seed: $(grep '^mano al azar: [0-9]' "$out")" >>"$LOG"
    rm -f "$out"
  fi
done
echo "soak: $runs corridas, $actions acciones, $failed con fallo (registro: $LOG)" | tee -a "$LOG"
echo "soak: $((runs - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
