# Sourced by the scripts that run Windows programs: a Wine prefix of the
# project's own inside the build tree (never the user's ~/.wine), a Japanese
# locale (code page 932) unless GLYPHER_WINE_LANG names another, and a display
# (Xvfb when none is given).

export LANG="${GLYPHER_WINE_LANG:-ja_JP.UTF-8}"
export WINEPREFIX="${GLYPHER_WINEPREFIX:?the caller names the prefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer prompts and no desktop menu entries.
export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
WINE64=/usr/lib/wine/wine64
WINE32=/usr/lib/wine/wine
WINESERVER=/usr/lib/wine/wineserver

# Starts Xvfb on a free display unless one is set; stops it when the shell exits.
glypher_ensure_display() {
    if glypher_display_works; then return; fi
    local display
    for display in $(seq 90 120); do
        [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]] && continue
        Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        GLYPHER_XVFB_PID=$!
        export DISPLAY=":$display"
        trap '"$WINESERVER" -k 2>/dev/null || true; kill $GLYPHER_XVFB_PID 2>/dev/null || true' EXIT
        for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return; sleep 0.1; done
    done
    echo "no X display could be started" >&2
    return 1
}

# Creates the prefix once; later runs reuse it.
glypher_ensure_prefix() {
    if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
        echo "wine: creating the prefix $WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        "$WINE64" wineboot --init >/dev/null 2>&1 || true
        # The dialogs' font, MS P Gothic, drawn with the metric-compatible IPA P Gothic.
        "$WINE64" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d 'IPAPGothic' /f >/dev/null 2>&1
        "$WINESERVER" -w
    fi
    # Wine's own Marlett, which draws the caption buttons' glyphs: Wine does not
    # find it where Debian installs it.
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    [[ -f "$fonts/marlett.ttf" || ! -f /usr/share/wine/fonts/marlett.ttf ]] ||
        cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
}

# True when $DISPLAY names an X server that answers.
glypher_display_works() {
    [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1
}

# True when this machine can run 32-bit programs (some kernels lack IA-32 support).
glypher_can_run_32bit() {
    [[ -x "$WINE32" ]] && "$WINE32" --version >/dev/null 2>&1
}
