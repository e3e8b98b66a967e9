#!/usr/bin/env bash
# Builds quillet.exe and starts it under Wine.
# With a DISPLAY: opens the window there, in your own Wine prefix
# ($WINEPREFIX, else ~/.wine), which is where a Windows mail client under
# Wine reads the feature value.
# Without a DISPLAY: starts a private virtual screen, shows Quillet in a Wine
# virtual desktop, saves a screenshot, closes Quillet the orderly way (so its
# settings file is written) and prints the screenshot's path.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2 --target quillet window_tool quillet_run_folder >/dev/null

export WINEPREFIX=${WINEPREFIX:-$HOME/.wine}
. scripts/wine-env.sh
exe=$root/build/win64/quillet.exe
# Quillet opens .\test.eml: start it in the run folder, which the build gives
# a copy of the sample message (a test.eml already there is kept).
cd "$root/build/win64/run"

if [ -n "${DISPLAY:-}" ]; then
    ensure_prefix
    exec wine "$exe"
fi

shot=$root/build/win64/quillet-screenshot.png
run_headless() {
    ensure_prefix
    start_in_desktop "$exe"
    in_desktop "$root/build/win64/window_tool.exe" wait "Quillet Switch"
    sleep 1  # let the desktop finish painting before the picture
    import -display "$DISPLAY" -window root -crop "${QUILLET_DESKTOP_SIZE:-480x360}+0+0" +repage "$shot"
    in_desktop "$root/build/win64/window_tool.exe" close "Quillet Switch"
    wineserver -w
}
export -f run_headless ensure_prefix in_desktop start_in_desktop
export exe shot root
"$root/scripts/with-display.sh" bash -c run_headless
echo "$shot"
