#!/usr/bin/env bash
# Builds everything and opens OrvelWin on the demo program folder; without a display,
# writes its Radix I wheel as PNG and SVG instead and says where.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/OrvelWin/OrvelWin
fi
build/OrvelWin/orvelchart render radix1 --png build/radix1.png --scale 2 2>/dev/null
build/OrvelWin/orvelchart render radix1 --svg build/radix1.svg 2>/dev/null
echo "No display: the Radix I wheel of the demo horoscopes is in build/radix1.png and build/radix1.svg"
