#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the run command need.
# As root: apt-get update once, then install what is missing. As another
# user: prints the one command to run and stops.
set -euo pipefail

packages=(
    cmake g++ make
    clang libclang-rt-14-dev
    g++-mingw-w64-x86-64 g++-mingw-w64-i686
    googletest libgtest-dev
    wine wine64 fonts-wine
    xvfb xauth imagemagick
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Quillet needs these Debian packages: ${missing[*]}" >&2
    echo "Install them as root with:" >&2
    echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
