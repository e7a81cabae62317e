#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test Tarvenn; does nothing when all
# of them are there already.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-serialport-dev qt6-charts-dev libqt6opengl6-dev libgl-dev libglx-dev qt6-qpa-plugins
    libbenchmark-dev
    fonts-liberation fonts-dejavu-core
    xvfb xauth poppler-utils
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installiere fehlende Pakete: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
