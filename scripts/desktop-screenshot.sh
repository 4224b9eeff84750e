#!/usr/bin/env bash
# Shows the virtual desktop through the desktop backend (SDL2) on a virtual X
# display (Xvfb) and takes a screenshot of that display: the proof that the
# backend puts the program's windows on screen.
#   scripts/desktop-screenshot.sh [out.png]      (default: build/desktop-screenshot.png)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
OUT=${1:-$BUILD/desktop-screenshot.png}
SIZE=${SIZE:-1024x768}

if [ ! -f "$BUILD/build.ninja" ]; then
  cmake -S . -B "$BUILD" -G Ninja >/dev/null
fi
cmake --build "$BUILD" --target window_demo x11_screenshot -- -j4
mkdir -p "$(dirname "$OUT")"

# The demo closes itself; the screenshot is taken while it shows.
ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0} xvfb-run -a -s "-screen 0 ${SIZE}x24" bash -c '
  "$1" --seconds 8 --size "$2" &
  demo=$!
  sleep 3
  status=0
  "$3" "$4" || status=$?
  wait "$demo" || true
  exit "$status"' _ "$BUILD/tools/window_demo" "$SIZE" "$BUILD/tools/x11_screenshot" "$OUT"
echo "Captura: $OUT"
