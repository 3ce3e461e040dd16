#!/bin/bash
# Takes the README's pictures of GLYPHER under Wine: the main dialog, the
# about box and the invalid-data message, in docs/. Uses a prefix of its own
# (build/wineprefix-shots) with a few icon paths stored, so the fields show
# what a user would see. `scripts/screenshots.sh 144` takes them at 144 DPI
# (150 %) instead, into build/shots-144/, to see the dialogs scale.
set -euo pipefail
cd "$(dirname "$0")/.."
dpi="${1:-96}"
pictures=docs
[[ "$dpi" == 96 ]] || pictures="build/shots-$dpi"
mkdir -p "$pictures"

scripts/setup.sh
cmake --preset mingw-x86_64 >/dev/null
cmake --build --preset mingw-x86_64 -j "$(nproc)" --target GLYPHER glypher_driver
exe=build/mingw-x86_64/GLYPHER.EXE
driver=build/mingw-x86_64/tests/glypher_driver.exe

export GLYPHER_WINEPREFIX="$(pwd)/build/wineprefix-shots"
source scripts/wine-env.sh
glypher_ensure_display
glypher_ensure_prefix

classes='HKCR\CLSID'
shell_icons='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\explorer\Shell Icons'
store() { "$WINE64" reg add "$1" /v "$2" /d "$3" /f >/dev/null; }
store "$classes\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\DefaultIcon" "" 'C:\アイコン\computer.ico,0'
store "$classes\\{208D2C60-3AEA-1069-A2D7-08002B30309D}\\DefaultIcon" "" 'C:\アイコン\network.ico,0'
store "$classes\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon" full 'C:\アイコン\ごみ箱.ico,0'
store "$classes\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon" empty 'C:\アイコン\ごみ箱（空）.ico,0'
store "$shell_icons" 3 'C:\アイコン\フォルダ.ico,0'
"$WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
"$WINESERVER" -w

# A Wine desktop of its own, so that the pictures show the caption and frame
# Wine draws (Xvfb has no window manager to draw them).
width=$((640 * dpi / 96)) height=$((400 * dpi / 96))
desktop="/desktop=glypher,${width}x$height"
step() { "$WINE64" explorer "$desktop" "$driver" "$1" >/dev/null 2>&1; }
shoot() {
    sleep 1  # let the window finish painting
    import -window root -crop "${width}x$height+0+0" "$pictures/$1"
    echo "picture: $pictures/$1"
}

"$WINE64" explorer "$desktop" "$exe" &
for _ in $(seq 100); do
    xwininfo -root -tree 2>/dev/null | grep -q '"KESTRAWN ' && break
    sleep 0.2
done
shoot glypher-dialog.png
step about && shoot glypher-about.png
step ok-about
step reject && shoot glypher-invalid.png
step ok-box
step cancel
wait
