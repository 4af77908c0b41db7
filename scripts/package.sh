#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package dist/lumora_VERSION_amd64.deb from a fresh clone of the committed
# state (HEAD) with all of Debian's hardening flags, then checks it: lintian, appstreamcli validate,
# desktop-file-validate and the manual page through man. Exit status 1 when a check fails.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/deps.sh package
work=$(mktemp -d "${TMPDIR:-/tmp}/lumora-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
git clone --quiet "$root" "$work/lumora"
cd "$work/lumora"
echo "== building $(git log -1 --format='%h %s')"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CFLAGS="$(dpkg-buildflags --get CFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DLUMORA_TESTS=OFF -DLUMORA_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)"
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/lumora_*_amd64.deb)
mkdir -p "$root/dist"
cp "$deb" "$root/dist/"
deb="$root/dist/$(basename "$deb")"
echo "== $deb"
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb" | awk '{print $6}'

status=0
echo "== lintian"
lintian --display-info --fail-on error "$deb" || status=1
echo "== appstreamcli validate --no-net"
appstreamcli validate --no-net build/io.github.lumora.Lumora.metainfo.xml || status=1
echo "== desktop-file-validate"
desktop-file-validate packaging/io.github.lumora.Lumora.desktop || status=1
echo "== man --warnings -l lumora.1"
warnings=$(MANWIDTH=80 man --warnings -l build/lumora.1 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
  echo "$warnings"
  status=1
fi
[ "$status" -eq 0 ] && echo "All package checks passed."
exit $status
