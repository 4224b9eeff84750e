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

# Services the tests need, all of the suite's own: a Firebird server on a free
# loopback port with its state in the build folder (the machine's server is
# left alone), a CUPS daemon, a virtual X display. The server and the display
# stop again when the run ends.
export TALLYVO_FB_STATE=$PWD/$BUILD/firebird
# The embedded engine of the tests keeps its lock files in the build folder
# too: in /tmp/firebird, the machine's server's, a test run by root leaves
# files of root's there when it dies, and they lock that server out.
export FIREBIRD_LOCK=$PWD/$BUILD/firebird-lock
mkdir -p "$FIREBIRD_LOCK"
trap "bash '$PWD/scripts/services/xvfb.sh' stop; bash '$PWD/scripts/services/firebird.sh' stop" EXIT
for s in scripts/services/*.sh; do
  [ -e "$s" ] && bash "$s" start
done

cd "$BUILD"
ctest --output-on-failure -j"$(nproc)" --timeout 600
