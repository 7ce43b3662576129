#!/usr/bin/env bash
# Builds the Debian package, checks its desktop entries and metainfo, installs it on this
# machine, runs the installed programs from /usr/bin with a fresh home folder, and removes
# it again.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target package
package="$(ls build/orvelwin_*.deb)"
desktop-file-validate resources/handheld/orvelwin.desktop resources/desktop/orvelwinconfig.desktop
appstreamcli validate --no-net resources/metainfo/io.orvelwin.OrvelWin.metainfo.xml
sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
home="$(mktemp -d)"
trap 'rm -rf "$home"; DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get remove -y -qq orvelwin >/dev/null' EXIT
DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "./$package"
(cd "$home" && env -i HOME="$home" PATH=/usr/bin:/bin /usr/bin/orvelchart radix1 | grep -q '"slots"')
env -i HOME="$home" PATH=/usr/bin:/bin /usr/bin/OrvelWin --version
echo "package $(basename "$package") installs and runs"
