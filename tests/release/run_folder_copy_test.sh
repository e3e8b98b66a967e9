#!/usr/bin/env bash
# The build's run folder gets a copy of the sample message when it has no
# test.eml, and keeps a test.eml that is already there (the user's own or an
# edited one) as it is. The folder's own test.eml is put back afterwards.
# Usage: tests/release/run_folder_copy_test.sh BUILD_DIR SAMPLE
set -euo pipefail
build=$1
sample=$2
target=$build/run/test.eml
saved=$(mktemp)
had_one=false
if [ -e "$target" ]; then
    cp -p "$target" "$saved"
    had_one=true
fi
restore() {
    if $had_one; then cp -p "$saved" "$target"; else rm -f "$target"; fi
    rm -f "$saved"
}
trap restore EXIT

make_run_folder() { cmake --build "$build" --target quillet_run_folder >/dev/null; }

rm -f "$target"
make_run_folder
cmp "$sample" "$target" || { echo "FAIL: the run folder did not get the sample" >&2; exit 1; }

own=$(mktemp)
printf 'From: me\r\nSubject: my own\r\n\r\nmine\r\n' >"$own"
cp "$own" "$target"
make_run_folder
cmp -s "$own" "$target" || { rm -f "$own"; echo "FAIL: the build replaced the test.eml already in the run folder" >&2; exit 1; }
rm -f "$own"
echo "run folder: copied when missing, kept when present"
