#!/usr/bin/env bash
# Builds host, fuzz, win64 and win32 and runs every test tier: host unit
# tests, short fuzz runs, then for each Windows build the window-layer and adapter tests (win),
# the end-to-end tests (e2e) and the release checks under Wine, each tier on a
# private Xvfb display with its own CTest summary. A failing tier does not stop
# the others; the script fails at the end if any tier failed.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

failed=()
tier() {
    local name=$1
    shift
    echo "== $name"
    if ! "$@"; then
        failed+=("$name")
    fi
}

cmake --preset host >/dev/null
cmake --build --preset host -j2
tier "host: portable code, unit tests with ASan + UBSan" ctest --preset host

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2
tier "fuzz: libFuzzer targets for the portable code with ASan + UBSan, 15 s each" ctest --preset fuzz

for build in win64 win32; do
    cmake --preset "$build" >/dev/null
    cmake --build --preset "$build" -j2
    if [ "$build" = win32 ] && ! scripts/can-run-32-bit.sh; then
        echo "== win32: NOT RUN: this machine cannot run 32-bit code (scripts/can-run-32-bit.sh); the win32 win, e2e and release tiers did not run, the win32 build and its tests were only compiled and linked"
        continue
    fi
    tier "$build win: the window layer and the adapters under Wine" scripts/with-display.sh ctest --preset "$build" -L '^win$'
    tier "$build e2e: quillet.exe driven from outside under Wine" scripts/with-display.sh ctest --preset "$build" -L '^e2e$'
    tier "$build release: what ships" ctest --preset "$build" -L '^release$'
done

if [ ${#failed[@]} -ne 0 ]; then
    printf '== failed: %s\n' "${failed[@]}"
    exit 1
fi
echo "== every tier passed"
