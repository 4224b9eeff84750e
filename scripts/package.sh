#!/usr/bin/env bash
# Builds the station in release mode and makes its Debian package from the
# install rules (cmake/Install.cmake): build/release/tallyvo_<version>_amd64.deb.
# JOBS sets the build's parallelism (4 by default: the machine is shared).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${TALLYVO_BUILD:-build/release}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALLYVO_TESTS=OFF >/dev/null
cmake --build "$BUILD" -j"${JOBS:-4}" --target tallyvo create_demo_db
(cd "$BUILD" && cpack -G DEB >/dev/null)
ls "$BUILD"/tallyvo_*.deb
