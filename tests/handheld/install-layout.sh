#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that OrvelWin's program folder,
# its launcher link, desktop entry and icon are where desktops and the program expect
# them, and that the installed program starts through the link.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
folder="$prefix/lib/OrvelWin"
for file in "$folder/OrvelWin" "$folder/orvelchart" "$folder/OWSym.ttf" "$folder/OWSym-LICENSE.txt" \
            "$folder/tamsol.html" "$folder/jfa.html" "$folder/Ephem/sepl_18.se1" \
            "$prefix/share/applications/orvelwin.desktop" \
            "$prefix/share/icons/hicolor/scalable/apps/orvelwin.svg"; do
  [ -e "$file" ] || { echo "missing: ${file#$prefix/}"; exit 1; }
done
[ "$(readlink -f "$prefix/bin/OrvelWin")" = "$(readlink -f "$folder/OrvelWin")" ] || { echo "bin/OrvelWin does not lead to the program"; exit 1; }
QT_QPA_PLATFORM=offscreen "$prefix/bin/OrvelWin" --now "01.01.2024 12:00:00" --quit-after-first-paint 2>/dev/null
echo "installed layout is complete"
