#!/usr/bin/env bash
# Builds host, fuzz, win32 and win64 and runs every test tier: host unit
# tests, short fuzz runs, then the Windows platform tests and the end-to-end
# tests under Wine on a private Xvfb display.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

echo "== host: portable code, unit tests with ASan + UBSan"
cmake --preset host >/dev/null
cmake --build --preset host -j2
ctest --preset host

echo "== fuzz: libFuzzer targets for the portable code with ASan + UBSan, 15 s each"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2
ctest --preset fuzz

echo "== win32: quillet.exe, compiled and linked (this machine cannot run 32-bit code)"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j2 --target quillet

echo "== win64: quillet.exe and the tests under Wine"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2
scripts/with-display.sh ctest --preset win64
