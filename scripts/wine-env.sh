# Sourced by the run and screenshot scripts: Wine settings for starting Quillet.
export WINEDEBUG=-all
# No Mono/Gecko install prompts and no desktop menu entries.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
export WINEARCH=win64

# Makes the prefix $WINEPREFIX if it does not exist yet.
ensure_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Creating the Wine prefix $WINEPREFIX (once)..."
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1
        wineserver -w
    fi
    # The caption buttons' glyphs come from Marlett, which Debian's Wine does
    # not register in a new prefix by itself.
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ ! -f "$fonts/marlett.ttf" ]; then
        mkdir -p "$fonts"
        cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
    fi
}

# Runs a Windows program inside the Wine virtual desktop "quillet", so that
# windows get their title bars drawn without a window manager.
in_desktop() {
    wine explorer "/desktop=quillet,${QUILLET_DESKTOP_SIZE:-480x360}" "$@"
}

# Starts a program in the virtual desktop in the background and gives the
# desktop time to come up: a second program started while the first one is
# still creating the desktop can find no desktop to join.
start_in_desktop() {
    in_desktop "$@" &
    sleep 3
}
