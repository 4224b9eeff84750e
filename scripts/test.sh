#!/usr/bin/env bash
# Builds the test configuration (sanitizers on) and runs the whole suite.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${TALLYVO_TEST_BUILD:-build/test}
# The embedded Firebird engine and fontconfig keep memory until exit on purpose;
# leak reports from them would drown real ones, so leak checking stays off.
# Set before building too: test discovery runs the test programs.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTALLYVO_SANITIZE=ON -DTALLYVO_TESTS=ON >/dev/null
cmake --build "$BUILD" -j"$(nproc)"

# Services the tests need: the Firebird server on loopback for the login tests,
# a virtual X display for the desktop tests (stopped again when the run ends).
for s in scripts/services/*.sh; do
  [ -e "$s" ] && bash "$s" start
done
trap "bash '$PWD/scripts/services/xvfb.sh' stop" EXIT

cd "$BUILD"
ctest --output-on-failure -j"$(nproc)" --timeout 600
