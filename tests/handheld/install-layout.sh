#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that the program folders, the
# launcher links, desktop entries, icons, metainfo and manual pages are where desktops
# and the programs expect them, that no copy of the system's ephemeris files is
# installed, and that the installed programs start through the links.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
folder="$prefix/lib/OrvelWin"
for file in "$folder/OrvelWin" "$folder/orvelchart" "$folder/OWSym.ttf" "$folder/OWSym-LICENSE.txt" \
            "$folder/tamsol.html" "$folder/jfa.html" "$prefix/lib/OrvelWinConfig/InstallFont" \
            "$prefix/share/applications/orvelwin.desktop" "$prefix/share/applications/orvelwinconfig.desktop" \
            "$prefix/share/icons/hicolor/scalable/apps/orvelwin.svg" \
            "$prefix/share/icons/hicolor/scalable/apps/orvelwinconfig.svg" \
            "$prefix/share/metainfo/io.orvelwin.OrvelWin.metainfo.xml" \
            "$prefix/share/man/man1/OrvelWin.1" "$prefix/share/man/man1/OrvelWinConfig.1" \
            "$prefix/share/man/man1/orvelchart.1"; do
  [ -e "$file" ] || { echo "missing: ${file#$prefix/}"; exit 1; }
done
[ ! -e "$folder/Ephem" ] || { echo "the ephemeris files are copied, not taken from the system"; exit 1; }
for program in OrvelWin orvelchart OrvelWinConfig; do
  [ "$(basename "$(readlink -f "$prefix/bin/$program")")" = "$program" ] || { echo "bin/$program does not lead to the program"; exit 1; }
  "$prefix/bin/$program" --version | grep -q "^$program [0-9]" || { echo "$program --version"; exit 1; }
done
"$prefix/bin/orvelchart" radix1 | grep -q '"slots"' || { echo "orvelchart radix1 from bin/"; exit 1; }
QT_QPA_PLATFORM=offscreen "$prefix/bin/OrvelWin" --now "01.01.2024 12:00:00" --quit-after-first-paint 2>/dev/null
echo "installed layout is complete"
