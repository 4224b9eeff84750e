#!/usr/bin/env bash
# Shows the data grid's sample through the desktop backend on a virtual X
# display (Xvfb), extends its record selection with Shift+Down, scrolls it
# past its frozen column with the scroll bar, and saves the screen.
#   scripts/datagrid-screenshot.sh [out.png]      (default: docs/data-grid-screenshot.png)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
OUT=${1:-docs/data-grid-screenshot.png}

if [ ! -f "$BUILD/build.ninja" ]; then
  cmake -S . -B "$BUILD" -G Ninja >/dev/null
fi
cmake --build "$BUILD" --target datagrid_sample x11_screenshot -- -j4
mkdir -p "$(dirname "$OUT")"
ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0} xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  "$1/tools/datagrid_sample" --seconds 12 --out /dev/null &
  sample=$!
  sleep 5
  xdotool mousemove 400 300
  for i in 1 2 3 4; do
    xdotool keydown shift keydown Down; sleep 0.1; xdotool keyup Down keyup shift; sleep 0.3
  done
  xdotool mousemove 710 506 click 1
  sleep 0.3
  xdotool mousemove 400 560
  sleep 1
  status=0
  "$1/tools/x11_screenshot" "$2" || status=$?
  wait "$sample" || true
  exit "$status"' _ "$BUILD" "$OUT"
echo "Captura: $OUT"
