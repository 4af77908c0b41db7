#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Lumora needs that are not there yet (libexif-dev only for the
# tests, whose EXIF checks use it as a second reader and writer; jpegtran and exiftool check the
# lossless turns); `scripts/deps.sh package`
# adds the tools that build and check the Debian package.
set -e
PKGS="build-essential cmake pkg-config git libjpeg62-turbo-dev libturbojpeg0-dev libexif-dev \
libheif-dev libpng-dev libwebp-dev libtiff-dev liblcms2-dev liblcms2-utils libxml2-dev \
qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-image-formats-plugins \
qt6-tools-dev qt6-l10n-tools qt6-translations-l10n man-db appstream desktop-file-utils \
libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth x11-apps imagemagick libvips-tools \
clang libclang-rt-14-dev fonts-liberation2 poppler-utils libjpeg-turbo-progs libimage-exiftool-perl"
if [ "${1:-}" = package ]; then
  PKGS="$PKGS dpkg-dev fakeroot file lintian"
fi
missing=""
for p in $PKGS; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi
