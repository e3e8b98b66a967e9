#!/usr/bin/env bash
# Builds the release zips for 64-bit and 32-bit Windows with CPack:
#   build/release/Quillet-<version>-win64.zip and Quillet-<version>-win32.zip,
# each holding quillet.exe, README.txt, LICENSE.txt and test.eml in one top
# folder. Each architecture is built twice from scratch and the two exes and
# zips are compared byte for byte; any difference fails the release. The exe
# in each zip must also be byte-identical to the one the test command tests
# (build/win64/quillet.exe, build/win32/quillet.exe), which is built here too.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$root/build/release

scripts/install-deps.sh

# The files in the zips carry the time of the commit.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || echo 315532800)
export SOURCE_DATE_EPOCH
if [ -n "$(git status --porcelain 2>/dev/null)" ]; then
    echo "note: the working tree has changes that are not committed; they are in the zips"
fi

mkdir -p "$out"
rm -f "$out"/Quillet-*.zip
for arch in win64 win32; do
    echo "== $arch: two builds from scratch, compared"
    tests/release/reproducible_build.sh --zip "$arch" "$out/$arch"
    echo "== $arch: the tested build (preset $arch)"
    cmake --preset "$arch" >/dev/null
    cmake --build --preset "$arch" -j2 --target quillet >/dev/null
    if ! cmp "$out/$arch/first/quillet.exe" "build/$arch/quillet.exe"; then
        echo "the $arch zip's quillet.exe is not the exe the tests ran (build/$arch/quillet.exe)" >&2
        exit 1
    fi
    echo "identical: the zip's quillet.exe and build/$arch/quillet.exe"
    cp "$out/$arch"/first/package/Quillet-*-"$arch".zip "$out/"
done

expected="LICENSE.txt README.txt quillet.exe test.eml"
echo "== release zips in $out"
for zip_file in "$out"/Quillet-*-win64.zip "$out"/Quillet-*-win32.zip; do
    top=$(basename "$zip_file" .zip)
    contents=$(cmake -E tar tf "$zip_file" | sed "s|^$top/||" | LC_ALL=C sort | tr '\n' ' ')
    if [ "$contents" != "$expected " ]; then
        echo "$zip_file holds '$contents', expected '$expected'" >&2
        exit 1
    fi
    # What Windows users open in Notepad has CRLF line ends throughout.
    unpacked=$(mktemp -d)
    (cd "$unpacked" && cmake -E tar xf "$zip_file")
    for text in README.txt LICENSE.txt test.eml; do
        if grep -q $'[^\r]$' "$unpacked/$top/$text" || grep -q '^$' "$unpacked/$top/$text"; then
            echo "$zip_file: $text has line ends without CR" >&2
            exit 1
        fi
    done
    rm -rf "$unpacked"
    echo "$(basename "$zip_file")  $(stat -c %s "$zip_file") bytes"
    cmake -E tar tvf "$zip_file"
done
