#!/usr/bin/env bash
# Builds everything and shows the Radix I chart of the demo program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh
build/OrvelWin/orvelchart radix1
