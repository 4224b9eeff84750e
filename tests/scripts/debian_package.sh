#!/usr/bin/env bash
# The Debian package made from the install rules (cpack -G DEB, as
# scripts/package.sh makes it): its control data declares what the station
# needs on a clean Debian 12, its files are the install's, and the program
# unpacked from it answers.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${TALLYVO_BUILD:-$root/build/test}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FALLO: $*"; exit 1; }
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/paquete" >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; fail "cpack falló"; }
deb=$(ls "$tmp"/paquete/tallyvo_*_amd64.deb)

info=$(dpkg-deb -f "$deb" Package Version Architecture Depends Recommends)
echo "$info" | grep -qx "Package: tallyvo" || fail "el paquete no se llama tallyvo: $info"
depends=$(dpkg-deb -f "$deb" Depends)
for need in libfbclient2 firebird3.0-server-core libsdl2-2.0-0 libcairo2 libpango-1.0-0 libpng16-16 \
  libjpeg62-turbo fonts-dejavu-core; do
  echo "$depends" | grep -q "\b$need\b" || fail "Depends no declara $need: $depends"
done
dpkg-deb -f "$deb" Recommends | grep -q firebird3.0-utils || fail "no recomienda firebird3.0-utils (gbak)"

dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./||' >"$tmp/archivos"
for f in usr/bin/tallyvo usr/lib/tallyvo/tallyvo usr/lib/tallyvo/create_demo_db usr/lib/tallyvo/server-mode.sh \
  usr/lib/tallyvo/locale/es/LC_MESSAGES/default.mo usr/share/tallyvo/db/general/10_schema.sql \
  usr/share/applications/tallyvo.desktop usr/share/icons/hicolor/scalable/apps/tallyvo.svg \
  usr/share/doc/tallyvo/administration.md; do
  grep -qx "$f" "$tmp/archivos" || fail "el paquete no trae $f"
done
# Nothing outside /usr: no configuration or data of the machine's is laid down.
grep -v '^usr/' "$tmp/archivos" | grep -v '^$' && fail "el paquete trae archivos fuera de /usr"

dpkg-deb -x "$deb" "$tmp/raiz"
ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0} "$tmp/raiz/usr/bin/tallyvo" --version | grep -q "Tallyvo POS" ||
  fail "el programa del paquete no responde"
echo "el paquete declara sus dependencias y trae la instalación"
