#!/usr/bin/env bash
# Installs every Debian 12 package that building, running and testing
# Vellumi needs. Safe to run again; needs root or sudo.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-svg-dev qt6-translations-l10n
  libjpeg62-turbo-dev libpng-dev zlib1g-dev libgif-dev libcurl4-openssl-dev
  gettext libgtest-dev libgmock-dev libbenchmark-dev libjpeg-turbo-progs
  fonts-nanum xvfb xauth xdg-user-dirs xdg-utils poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "All packages are installed."
  exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
