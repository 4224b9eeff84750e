#!/usr/bin/env bash
# Installs the Debian packages the station needs to build, run and test.
# Quick when everything is present; uses sudo when not run as root.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev
  libcairo2-dev libpango1.0-dev libpng-dev libjpeg-dev zlib1g-dev
  libsdl2-dev
  gettext
  firebird-dev libfbclient2 firebird3.0-server-core firebird3.0-server firebird3.0-utils
  fonts-liberation fonts-dejavu-core fontconfig
  xvfb xdotool iproute2 desktop-file-utils
  python3 python3-xlrd unrtf poppler-utils
  cups printer-driver-cups-pdf
  clang libclang-rt-14-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

run() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo -E "$@"; fi; }
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
run apt-get update -qq
run apt-get install -y -qq --no-install-recommends "${missing[@]}"
