#!/usr/bin/env bash
# Runs a Windows test program (x86-64 or i686) under Wine in the build tree's
# own 64-bit prefix. Usage: wine-run.sh PREFIX PROGRAM.exe [ARGS...]
# The prefix is made on first use (wineboot -i) with the settings the tests
# rely on; the lock keeps concurrent first uses from racing.
set -euo pipefail
prefix=$1
shift

export WINEPREFIX=$prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
export WINEARCH=win64

if [ -z "${DISPLAY:-}" ]; then
    echo "wine-run.sh: no DISPLAY; run the tests through scripts/test.sh or scripts/with-display.sh" >&2
    exit 1
fi

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
# A prefix made before wine32 was installed cannot run 32-bit programs, and
# wineboot -u does not mend it: such a prefix is made anew.
ready=$prefix/.quillet-ready
wow64=no
if dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
    wow64=yes
fi
if [ -f "$ready" ] && [ "$(cat "$ready")" != "wow64=$wow64" ]; then
    wineserver -k >/dev/null 2>&1 || true
    rm -rf "$prefix"
fi
if [ ! -f "$ready" ]; then
    wineboot -i >/dev/null 2>&1
    # Without a window manager Wine waits ~2 s whenever a managed window is hidden.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # A crash must not leave a debugger dialog waiting on the virtual screen.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w
    echo "wow64=$wow64" >"$ready"
fi
flock -u 9

# The program's output goes through files, not straight to the caller: the
# wineserver and Wine's own service processes that a run starts inherit its
# output, and CTest waits for every holder of its pipe to let go (the server
# lingers 3 s after each test, a service can stay much longer).
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
set +e
wine "$@" </dev/null >"$out" 2>"$err"
status=$?
set -e
cat "$out"
cat "$err" >&2
exit $status
