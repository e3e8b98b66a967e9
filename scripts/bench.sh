#!/usr/bin/env bash
# Builds quillet.exe (both architectures) and the benchmark's baselines, then
# measures Quillet against them under Wine on a private virtual screen and
# prints the table (Markdown). Not part of the tests.
# Usage: scripts/bench.sh [RUNS]   (default 20 runs per program)
# Everything lands in build/win64-bench and build/win32-bench, with a Wine
# prefix of its own (build/win64-bench/wineprefix).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
runs=${1:-20}

scripts/install-deps.sh

build() {  # preset, build dir
    cmake --preset "$1" -B "$2" -DQUILLET_WINDOWS_TESTS=OFF >/dev/null
    cmake --build "$2" -j2 --target quillet >/dev/null
    cmake -S bench -B "$2/bench" --toolchain "$root/cmake/toolchain-mingw-${3}.cmake" >/dev/null
    cmake --build "$2/bench" -j2 >/dev/null
}
echo "Building..." >&2
build win64 build/win64-bench x86_64
build win32 build/win32-bench i686

b64=$root/build/win64-bench
b32=$root/build/win32-bench
winpath() { echo "Z:${1//\//\\}"; }

echo "## Executable size (bytes)"
echo
echo "| exe | x86-64 | i686 |"
echo "|---|---|---|"
for exe in quillet.exe bench/minimal_window.exe bench/minimal_window_dlls.exe bench/minimal_check.exe \
    bench/same_work.exe; do
    echo "| $(basename "$exe") | $(stat -c %s "$b64/$exe") | $(stat -c %s "$b32/$exe") |"
done
awk -v q="$(stat -c %s "$b64/quillet.exe")" -v m="$(stat -c %s "$b64/bench/minimal_window.exe")" \
    -v q32="$(stat -c %s "$b32/quillet.exe")" -v m32="$(stat -c %s "$b32/bench/minimal_window.exe")" \
    'BEGIN { printf "\nquillet / minimal window: x86-64 %.2f, i686 %.2f (target <= 1.50)\n\n", q/m, q32/m32 }'

measure() {
    local prefix=$b64/wineprefix
    local run="$root/cmake/wine-run.sh $prefix"
    $run reg add 'HKLM\SOFTWARE\Microsoft\Internet Explorer\Main\FeatureControl\FEATURE_HONOR_XUNSENT_IN_FILE' \
        /v msimn.exe /t REG_DWORD /d 1 /f >/dev/null 2>&1
    echo "DragFullWindows in the prefix: $($run reg query 'HKCU\Control Panel\Desktop' /v DragFullWindows 2>/dev/null \
        | tr -d '\r' | awk '/DragFullWindows/ { print $3 }')"
    echo "load before: $(uptime)"
    echo
    $run "$b64/bench/bench_runner.exe" "$(winpath "$b64/quillet.exe")" \
        "$(winpath "$b64/bench/minimal_window.exe")" "$(winpath "$b64/bench/minimal_check.exe")" "$runs" \
        "$(winpath "$b64/bench/minimal_window_dlls.exe")" "$(winpath "$b64/bench/same_work.exe")"
    echo
    echo "load after: $(uptime)"
    WINEPREFIX=$prefix wineserver -k || true
}
export -f measure winpath
export root b64 runs
scripts/with-display.sh bash -c measure
