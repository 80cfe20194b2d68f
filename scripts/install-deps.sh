#!/usr/bin/env bash
# Installs every Debian package the project needs. Quick when all are present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libgl-dev
  firebird-dev libfbclient2 firebird3.0-server-core firebird3.0-utils firebird3.0-server
  fonts-liberation
  libgtest-dev googletest
  zbar-tools zint poppler-utils
  xvfb xauth openbox x11-utils xdotool
  cups cups-daemon cups-client cups-filters libcups2-dev ghostscript
  qt6-translations-l10n fonts-wine
  xdg-utils desktop-file-utils
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
