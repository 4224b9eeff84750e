#!/usr/bin/env bash
# Shows the editors' sample (an edit, a date-time edit, two combo boxes and
# two check boxes over one record) through the desktop backend on a virtual X
# display (Xvfb), drives it with xdotool as a user would (a date typed, the
# key combo dropped down by a click and moved with the keys, a check box
# clicked) and saves the screen while the combo's list is open.
#   scripts/editors-screenshot.sh [out.png]      (default: docs/editors-screenshot.png)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
OUT=${1:-docs/editors-screenshot.png}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}

if [ ! -f "$BUILD/build.ninja" ]; then
  cmake -S . -B "$BUILD" -G Ninja >/dev/null
fi
cmake --build "$BUILD" --target editors_sample x11_screenshot -- -j4 >/dev/null
mkdir -p "$(dirname "$OUT")"

xvfb-run -a -s "-screen 0 640x480x24" bash -c '
  set -euo pipefail
  places=$(mktemp)
  "$1/tools/editors_sample" --seconds 14 --out /dev/null >"$places" &
  sample=$!
  for _ in $(seq 1 100); do grep -q pesado "$places" && break; sleep 0.2; done
  at() { awk -v n="$1" "\$1 == n { print \$2, \$3 }" "$places"; }
  win=""
  for _ in $(seq 1 50); do
    win=$(xdotool search --name "Tallyvo POS - editores" 2>/dev/null | head -1 || true)
    [ -n "$win" ] && break
    sleep 0.2
  done
  sleep 1
  xdotool mousemove 5 5 windowfocus --sync "$win" || true
  # The date: its button drops the calendar down, Esc closes it, then the
  # digits go through the mask.
  read -r x y <<<"$(at vence)"
  xdotool mousemove $((x + 68)) "$y" click 1; sleep 0.5
  xdotool key Escape Home; xdotool type --delay 80 "20270115"; sleep 0.3
  read -r x y <<<"$(at pesado)"
  xdotool mousemove $((x - 70)) "$y" click 1; sleep 0.3
  read -r x y <<<"$(at iva)"
  xdotool mousemove $((x - 40)) "$y" click 1; sleep 0.5
  xdotool key Down; sleep 0.5
  "$1/tools/x11_screenshot" "$2"
  wait "$sample" || true
  tail -2 "$places"
  rm -f "$places"' _ "$BUILD" "$OUT"
echo "Captura: $OUT"
