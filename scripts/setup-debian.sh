#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Ciclara needs.
# Safe to run again: apt-get only adds what is missing.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
packages=(
    build-essential cmake ninja-build
    qt6-base-dev qt6-charts-dev libqt6sql6-sqlite
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    libxlsxwriter-dev libgl-dev fonts-dejavu-core
    xvfb xauth
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq "${missing[@]}"
fi
