#!/usr/bin/env bash
# Exits 0 when this machine can run 32-bit x86 code, 1 when it cannot.
#   can-run-32-bit.sh --kernel   the kernel starts an i386 program (IA-32 emulation on)
#   can-run-32-bit.sh            ... and Wine runs a 32-bit Windows program in the
#                                win32 build's prefix (needs wine32:i386)
# Some kernels are built with IA-32 emulation and still refuse 32-bit code
# (ia32_emulation=off, or a host that runs 64-bit user code only): the probe is
# a real run, not a look at the kernel's configuration.
set -uo pipefail
cd "$(dirname "$0")/.."

kernel_runs_i386() {
    local probe
    probe=$(mktemp)
    # A complete static i386 ELF program: exit(7) through int 0x80.
    printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' >"$probe"
    printf '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' >>"$probe"
    printf '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00' >>"$probe"
    printf '\x00\x00\x00\x00' >>"$probe"
    printf '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' >>"$probe"
    printf '\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' >>"$probe"
    printf '\xb8\x01\x00\x00\x00\xbb\x07\x00\x00\x00\xcd\x80' >>"$probe"
    chmod +x "$probe"
    "$probe" 2>/dev/null
    local status=$?
    rm -f "$probe"
    [ $status -eq 7 ]
}

wine_runs_i386() {
    scripts/with-display.sh cmake/wine-run.sh "$PWD/build/win32/wineprefix" 'C:\windows\syswow64\cmd.exe' /c exit 7 \
        >/dev/null 2>&1
    [ $? -eq 7 ]
}

kernel_runs_i386 || exit 1
[ "${1:-}" = --kernel ] && exit 0
wine_runs_i386
