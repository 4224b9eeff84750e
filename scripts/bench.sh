#!/usr/bin/env bash
# Builds the benchmark programs in release mode; run them from build/bench/bench/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALLYVO_TESTS=OFF -DTALLYVO_BENCH=ON >/dev/null
cmake --build build/bench -j"$(nproc)"
ls build/bench/bench/ | grep -v -e CMake -e cmake -e '\.ninja' || true
