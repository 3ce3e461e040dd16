#!/bin/bash
# Builds GLYPHER.EXE and starts it under Wine. With a display, the dialog is
# yours to use. Without one, it runs on Xvfb: a screenshot of the dialog is
# saved, the dialog is cancelled (nothing is written) and the picture's path printed.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset mingw-x86_64 >/dev/null
cmake --build --preset mingw-x86_64 -j "$(nproc)" --target GLYPHER
exe=build/mingw-x86_64/GLYPHER.EXE

source scripts/wine-env.sh
if [[ -n "${DISPLAY:-}" ]] && xset q >/dev/null 2>&1; then
    glypher_ensure_prefix
    exec "$WINE64" "$exe"
fi

glypher_ensure_display
glypher_ensure_prefix
"$WINE64" "$exe" &
program=$!
shot=build/glypher-dialog.png
# The dialog's caption is "KESTRAWN ｸﾞﾘﾌｧｰ"; wait until it is on screen.
for _ in $(seq 100); do
    xwininfo -root -tree 2>/dev/null | grep -q 'KESTRAWN' && break
    sleep 0.2
done
sleep 1
import -window root "$shot"
"$WINE64" "$(pwd)/build/mingw-x86_64/tests/glypher_driver.exe" cancel >/dev/null 2>&1 || kill $program
wait $program || true
echo "screenshot: $shot"
