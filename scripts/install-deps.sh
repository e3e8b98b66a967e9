#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the run command need.
# As root: apt-get update once, then installs what is missing. Where the
# kernel runs 32-bit code, that includes wine32:i386 (the i386 architecture is
# added for it), which runs the 32-bit quillet.exe beside the 64-bit one.
# Where it does not, wine32 is left out: its loader could not start there, and
# with it installed the `wine` command would fail for 64-bit programs too.
# As another user: prints the commands to run and stops.
set -euo pipefail

packages=(
    cmake g++ make
    clang libclang-rt-14-dev
    g++-mingw-w64-x86-64 g++-mingw-w64-i686
    googletest libgtest-dev
    wine wine64 fonts-wine
    xvfb xauth imagemagick
)

if "$(dirname "$0")"/can-run-32-bit.sh --kernel; then
    packages+=(wine32:i386)
else
    echo "install-deps: this machine cannot run 32-bit code; wine32:i386 is not installed"
    if dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
        echo "install-deps: wine32:i386 is installed but cannot run here, and \`wine\` then fails for 64-bit" \
             "programs too: remove it with 'apt-get remove wine32:i386'" >&2
        exit 1
    fi
fi

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
    echo "  dpkg --add-architecture i386 && apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
fi
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
