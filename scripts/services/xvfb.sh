#!/usr/bin/env bash
# The virtual X display the desktop tests drive the station on.
#   bash scripts/services/xvfb.sh start     starts one for this checkout (when none runs) on a
#                                           free display number and prints it (":N")
#   bash scripts/services/xvfb.sh display   prints the display of the running one; fails when none
#   bash scripts/services/xvfb.sh stop      stops the one this script started
# Several checkouts may run their own at once: the state is kept per checkout,
# and Xvfb picks the display number itself (-displayfd).
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/../.." && pwd)
STATE=/tmp/tallyvo-xvfb-$(printf '%s' "$ROOT" | md5sum | cut -c1-12)
# Larger than the station's own 1024 x 768 window, so that the desktop tests can
# grow the window and still see all of it.
SIZE=${TALLYVO_XVFB_SIZE:-1280x1024}

running() { [ -f "$STATE/pid" ] && [ -s "$STATE/display" ] && kill -0 "$(cat "$STATE/pid")" 2>/dev/null; }

case "${1:-start}" in
  start)
    if running; then
      echo ":$(cat "$STATE/display")"
      exit 0
    fi
    mkdir -p "$STATE"
    rm -f "$STATE/display" "$STATE/pid"
    # Xvfb writes the display number it took to the descriptor once it accepts clients.
    setsid Xvfb -displayfd 3 -screen 0 "${SIZE}x24" -nolisten tcp 3>"$STATE/display" \
      </dev/null >"$STATE/xvfb.log" 2>&1 &
    echo $! >"$STATE/pid"
    for _ in $(seq 1 300); do
      [ -s "$STATE/display" ] && grep -q '[0-9]' "$STATE/display" && break
      kill -0 "$(cat "$STATE/pid")" 2>/dev/null || break
      sleep 0.1
    done
    if ! running; then
      echo "Xvfb no arrancó; vea $STATE/xvfb.log" >&2
      exit 1
    fi
    tr -dc '0-9' <"$STATE/display" >"$STATE/display.n" && mv "$STATE/display.n" "$STATE/display"
    echo ":$(cat "$STATE/display")"
    ;;
  display)
    running || exit 1
    echo ":$(cat "$STATE/display")"
    ;;
  stop)
    if [ -f "$STATE/pid" ]; then
      kill "$(cat "$STATE/pid")" 2>/dev/null || true
      rm -f "$STATE/pid" "$STATE/display"
    fi
    ;;
  *)
    echo "uso: $0 start|display|stop" >&2
    exit 2
    ;;
esac
