#!/usr/bin/env bash
# Installs what Mervane needs from Debian packages, only what is missing.
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev libharfbuzz-dev
  fonts-tlwg-waree-ttf fonts-tlwg-garuda-ttf fonts-liberation2
  poppler-utils hyperfine
  cups cups-client cups-bsd printer-driver-cups-pdf
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
