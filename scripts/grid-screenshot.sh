#!/usr/bin/env bash
# Shows the base grid's sample (20 columns by 200 rows, a fixed row and
# column, scrolled, one cell in editing) through the desktop backend on a
# virtual X display (Xvfb) and saves the screen.
#   scripts/grid-screenshot.sh [out.png]      (default: docs/grid-screenshot.png)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
OUT=${1:-docs/grid-screenshot.png}

if [ ! -f "$BUILD/build.ninja" ]; then
  cmake -S . -B "$BUILD" -G Ninja >/dev/null
fi
cmake --build "$BUILD" --target grid_sample -- -j4
mkdir -p "$(dirname "$OUT")"
ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0} xvfb-run -a -s "-screen 0 800x600x24" \
  "$BUILD/tools/grid_sample" --seconds 2 --out "$OUT"
