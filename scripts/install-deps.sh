#!/usr/bin/env bash
# Installs the Debian packages Bottlewright needs to build, run and test; does nothing when all are there.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev libgl-dev
    libgtest-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev
    fonts-liberation fontconfig
)
[ "${1:-}" = "--test" ] && packages+=(xvfb xauth clang-format desktop-file-utils appstream)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
