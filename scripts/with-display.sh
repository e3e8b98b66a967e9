#!/usr/bin/env bash
# Runs a command with a private X display: starts Xvfb on a free display
# number, exports DISPLAY, runs the command, and stops that Xvfb by its PID
# (also when the command fails or is interrupted).
# Usage: scripts/with-display.sh COMMAND [ARGS...]
set -euo pipefail

fdfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
xvfb_pid=$!
cleanup() {
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    rm -f "$fdfile"
}
trap cleanup EXIT INT TERM

for _ in $(seq 1 100); do
    [ -s "$fdfile" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { echo "with-display.sh: Xvfb failed to start" >&2; exit 1; }
    sleep 0.1
done
[ -s "$fdfile" ] || { echo "with-display.sh: Xvfb did not report a display" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$fdfile")"

"$@"
