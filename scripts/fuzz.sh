#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for the given seconds (default 60).
#   bash scripts/fuzz.sh [SECONDS] [TARGET...]
# The corpus each run grows stays in build/fuzz/corpus/<target>; what a target
# finds is written to build/fuzz/findings/<target>/ and ends the run with a
# failure. An input slower than a second or needing more than 2 GB counts as a
# finding. Set FUZZ_JOBS to run several targets at once (default 2).
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH=${1:-60}
shift || true
BUILD=build/fuzz
JOBS=${FUZZ_JOBS:-2}

# The project's own choice: the embedded engine and fontconfig keep memory on purpose.
# Giving freed memory back to the system stalls a busy machine for seconds at a
# time, which would count as a slow input: it is kept instead.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=0:allocator_may_return_null=1:allocator_release_to_os_interval_ms=-1:quarantine_size_mb=64
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
CC=clang CXX=clang++ cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTALLYVO_SANITIZE=ON -DTALLYVO_FUZZ=ON -DTALLYVO_TESTS=OFF >/dev/null

mapfile -t ALL < <(sed -n '/^set(TALLYVO_FUZZ_TARGETS/,/)/p' fuzz/CMakeLists.txt |
  sed -e 's/set(TALLYVO_FUZZ_TARGETS//' -e 's/)//' | tr ' ' '\n' | grep -v '^$')
TARGETS=("$@")
[ ${#TARGETS[@]} -eq 0 ] && TARGETS=("${ALL[@]}")
cmake --build "$BUILD" -j"${FUZZ_BUILD_JOBS:-6}" --target "${TARGETS[@]/#/fuzz_}"

run_one() {
  local t=$1
  local corpus=$BUILD/corpus/$t findings=$BUILD/findings/$t
  mkdir -p "$corpus" "$findings"
  local seeds=()
  [ -d "fuzz/corpus/$t" ] && seeds+=("fuzz/corpus/$t")
  [ -d "fuzz/repro/$t" ] && seeds+=("fuzz/repro/$t")
  local start rc=0 runs
  start=$(date +%s)
  "$BUILD/fuzz/fuzz_$t" "$corpus" "${seeds[@]}" -max_total_time="$SECONDS_EACH" -timeout=1 \
    -rss_limit_mb=2048 -malloc_limit_mb=2048 -max_len=65536 -artifact_prefix="$findings/" \
    -print_final_stats=1 >"$BUILD/logs/$t.log" 2>&1 || rc=$?
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$BUILD/logs/$t.log" | grep -o '[0-9]*$' || echo "?")
  if [ $rc -eq 0 ]; then
    echo "$t: $(( $(date +%s) - start )) s, $runs runs, $(ls "$corpus" | wc -l) corpus inputs, nothing found"
  else
    echo "$t: FOUND after $(( $(date +%s) - start )) s (see $BUILD/logs/$t.log and $findings/)"
  fi
  return $rc
}
export -f run_one
export BUILD SECONDS_EACH

mkdir -p "$BUILD/logs"
printf '%s\n' "${TARGETS[@]}" | xargs -P "$JOBS" -I{} bash -c 'run_one "$1"' _ {}
