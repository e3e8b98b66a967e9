#!/usr/bin/env bash
# Builds quillet.exe twice from scratch, from one snapshot of the sources, in
# two build folders of different names, at different times and in different
# time zones, and checks that the two exes are byte-identical. With --zip it
# also makes the release zip in each and compares those.
#
# Usage: tests/release/reproducible_build.sh [--zip] win64|win32 WORK_DIR
# WORK_DIR is emptied first. Afterwards WORK_DIR/first holds one of the two
# builds (its zip in WORK_DIR/first/package), for the release command.
set -euo pipefail

zip=false
if [ "${1:-}" = --zip ]; then
    zip=true
    shift
fi
if [ $# -ne 2 ]; then
    echo "usage: $0 [--zip] win64|win32 WORK_DIR" >&2
    exit 2
fi
case $1 in
    win64) toolchain=cmake/toolchain-mingw-x86_64.cmake ;;
    win32) toolchain=cmake/toolchain-mingw-i686.cmake ;;
    *) echo "$0: unknown architecture '$1'" >&2; exit 2 ;;
esac
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(realpath -m "$2")

# SOURCE_DATE_EPOCH (the zip's file times) comes from the commit, before the
# snapshot leaves git behind.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo 315532800)
fi
export SOURCE_DATE_EPOCH

# One snapshot for both builds: an edit made in the tree meanwhile cannot
# tell them apart.
rm -rf "$work"
mkdir -p "$work/source"
tar -C "$root" --exclude=./build --exclude=./.git --exclude=./Testing -cf - . | tar -C "$work/source" -xf -

build() {
    local name=$1 zone=$2
    local dir=$work/$name log=$work/$name.log
    echo "building $name in $dir (TZ=$zone)"
    {
        TZ=$zone cmake -S "$work/source" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$work/source/$toolchain" \
            -DCMAKE_BUILD_TYPE=Release -DQUILLET_WINDOWS_TESTS=OFF
        TZ=$zone cmake --build "$dir" -j2 --target quillet
        if $zip; then
            (cd "$dir" && TZ=$zone cpack)
        fi
    } >"$log" 2>&1 || { cat "$log" >&2; echo "$0: the $name build failed" >&2; exit 1; }
}
build first UTC
build second Pacific/Auckland

same=true
compare() {
    if cmp "$work/first/$1" "$work/second/$1"; then
        echo "identical: $1 ($(stat -c %s "$work/first/$1") bytes)"
    else
        same=false
    fi
}
compare quillet.exe
if $zip; then
    for zip_file in "$work"/first/package/*.zip; do
        compare "package/$(basename "$zip_file")"
    done
fi
if ! $same; then
    echo "$0: two builds of the same sources differ" >&2
    exit 1
fi
