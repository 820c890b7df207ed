#!/usr/bin/env bash
# Installs what building, running and testing Pannix need on Debian 12, when it is missing.
set -euo pipefail

packages=(
    g++ make cmake pkg-config
    clang libclang-rt-14-dev
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev libqrencode-dev libarchive-dev zbar-tools
    fonts-wqy-microhei
    adb
    libsdl2-2.0-0
    desktop-file-utils appstream lintian man-db
    g++-mingw-w64-x86-64-posix ninja-build nsis wine wine64 xvfb xauth xdotool imagemagick unzip
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
