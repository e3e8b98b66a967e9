#!/usr/bin/env bash
# What the release quillet.exe is made of: no larger than its limit, and
# importing from Windows' own DLLs only, so that it runs without a MinGW
# runtime DLL beside it. A size past the limit usually means a part of the
# C++ runtime came back (an exception path, a lock, a formatted print).
# Usage: tests/release/exe_contents_test.sh OBJDUMP EXE LIMIT_BYTES
set -euo pipefail
objdump=$1
exe=$2
limit=$3

ok=true
size=$(stat -c %s "$exe")
echo "size: $size bytes (limit $limit)"
if [ "$size" -gt "$limit" ]; then
    echo "$exe: larger than $limit bytes" >&2
    ok=false
fi

dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
echo "imports: $(echo $dlls)"
if [ -z "$dlls" ]; then
    echo "$exe: no imports found" >&2
    ok=false
fi
for dll in $dlls; do
    case ${dll,,} in
        kernel32.dll | user32.dll | gdi32.dll | advapi32.dll | msvcrt.dll) ;;
        *) echo "$exe: imports $dll, which is not part of Windows" >&2; ok=false ;;
    esac
done
$ok
