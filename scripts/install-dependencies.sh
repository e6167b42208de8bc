#!/usr/bin/env bash
# Installs the Debian packages Tarvolin builds and tests with. Safe to run
# again: when everything is present it changes nothing.
set -euo pipefail

native_packages=(
    cmake ninja-build g++ pkg-config dpkg-dev
    libgtest-dev googletest libbenchmark-dev
    libsndfile1-dev
    libpng-dev libfreetype-dev libfontconfig-dev fonts-liberation
    libx11-dev libxext-dev libxtst-dev xvfb
    clang libclang-rt-14-dev
)
windows_packages=(
    g++-mingw-w64-i686-posix mingw-w64-i686-dev
    g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
    wine wine32:i386 wine64 xauth
)

missing=()
for package in "${native_packages[@]}" "${windows_packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
# wine32 comes from Debian's i386 architecture.
$SUDO dpkg --add-architecture i386
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
