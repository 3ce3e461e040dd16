#!/bin/bash
# Builds GLYPHER.EXE and starts it under Wine in the project's own prefix
# (build/wineprefix-run). With a display, the dialog is yours to use. Without
# one, it runs on Xvfb: a screenshot of the dialog is saved, the dialog is
# cancelled (nothing is written) and the picture's path printed.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset mingw-x86_64 >/dev/null
cmake --build --preset mingw-x86_64 -j "$(nproc)" --target GLYPHER glypher_driver
exe=build/mingw-x86_64/GLYPHER.EXE
driver=build/mingw-x86_64/tests/glypher_driver.exe

export GLYPHER_WINEPREFIX="${GLYPHER_WINEPREFIX:-$(pwd)/build/wineprefix-run}"
source scripts/wine-env.sh
if glypher_display_works; then
    glypher_ensure_prefix
    exec "$WINE64" "$exe"
fi

glypher_ensure_display
glypher_ensure_prefix
# A Wine desktop window of its own, so that the picture shows the caption and
# frame Wine draws (Xvfb has no window manager to draw them).
desktop=/desktop=glypher,640x400
"$WINE64" explorer "$desktop" "$exe" &
dialog_shown() { xwininfo -root -tree 2>/dev/null | grep '"KESTRAWN ' >/dev/null; }
for _ in $(seq 100); do dialog_shown && break; sleep 0.2; done
sleep 1  # let it finish painting
shot=build/glypher-dialog.png
import -window root -crop 640x400+0+0 "$shot"
"$WINE64" explorer "$desktop" "$driver" cancel >/dev/null 2>&1
for _ in $(seq 100); do dialog_shown || break; sleep 0.2; done
echo "screenshot: $(pwd)/$shot"
