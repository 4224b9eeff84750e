#!/usr/bin/env bash
# Builds the station in release mode and starts it on the embedded demo database.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALLYVO_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)"
if [ ! -x build/release/app/tallyvo ]; then
  echo "La estación todavía no está construida en este árbol." >&2
  exit 1
fi
exec build/release/app/tallyvo "$@"
