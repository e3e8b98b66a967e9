#!/usr/bin/env bash
# Makes the screenshots in docs/screenshots/ on a private virtual screen, in
# a throw-away Wine prefix: the main window, and the "Check Registry" box for
# the value 1.
# Usage: scripts/screenshot.sh [OUTPUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-docs/screenshots}")
mkdir -p "$out"

scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2 --target quillet window_tool >/dev/null

export WINEPREFIX=$PWD/build/win64/screenshot-prefix
rm -rf "$WINEPREFIX"
. scripts/wine-env.sh
export QUILLET_DESKTOP_SIZE=320x240
exe=build/win64/quillet.exe
tool=build/win64/window_tool.exe
key='HKLM\SOFTWARE\Microsoft\Internet Explorer\Main\FeatureControl\FEATURE_HONOR_XUNSENT_IN_FILE'

shoot() {
    ensure_prefix
    wine reg add "$key" /v msimn.exe /t REG_DWORD /d 1 /f >/dev/null
    start_in_desktop "$exe"
    in_desktop "$tool" wait "Quillet Switch"
    sleep 1  # let the desktop finish painting; this is a picture, not a test
    import -display "$DISPLAY" -window root -crop "${QUILLET_DESKTOP_SIZE}+0+0" +repage "$out/main-window.png"
    in_desktop "$tool" press "Quillet Switch" 1
    in_desktop "$tool" box "Quillet Switch"
    sleep 1
    import -display "$DISPLAY" -window root -crop "${QUILLET_DESKTOP_SIZE}+0+0" +repage "$out/check-registry.png"
    in_desktop "$tool" ok "Quillet Switch"
    in_desktop "$tool" close "Quillet Switch"
    wineserver -k || true
}
export -f shoot ensure_prefix in_desktop start_in_desktop
export out exe tool key
scripts/with-display.sh bash -c shoot
echo "$out/main-window.png"
echo "$out/check-registry.png"
