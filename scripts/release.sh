#!/bin/bash
# Builds GLYPHER.EXE for 32- and 64-bit Windows in fresh build directories and
# writes dist/glypher-VERSION-win.zip: x86/ and x64/GLYPHER.EXE, README.txt and
# SHA256SUMS. One commit gives the same bytes wherever and whenever it is
# built: every time stamp is the commit's, and no path of the tree gets in.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
# ld writes SOURCE_DATE_EPOCH, when set, as the PE header's time stamp.
SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}"
[[ -n "$SOURCE_DATE_EPOCH" ]] || { echo "release: no commit time; set SOURCE_DATE_EPOCH" >&2; exit 1; }
export SOURCE_DATE_EPOCH
version=$(sed -n 's/^project(GLYPHER VERSION \([0-9]*\.[0-9]*\.[0-9]*\).*/\1/p' CMakeLists.txt)
[[ -n "$version" ]] || { echo "release: no project VERSION in CMakeLists.txt" >&2; exit 1; }

stage=build/release-zip
rm -rf "$stage"
declare -A folder=([i686]=x86 [x86_64]=x64)
for arch in i686 x86_64; do
    dir=build/release-$arch
    rm -rf "$dir"
    cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE="cmake/toolchain-mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$dir" -j "$(nproc)" --target GLYPHER >/dev/null
    exe=$dir/GLYPHER.EXE
    cmake -DEXE="$exe" -DOBJDUMP="$arch-w64-mingw32-objdump" -P cmake/CheckExecutable.cmake >/dev/null
    if grep -qF "$(pwd)" "$exe"; then echo "release: $exe holds the path of this tree" >&2; exit 1; fi
    mkdir -p "$stage/${folder[$arch]}"
    cp "$exe" "$stage/${folder[$arch]}/GLYPHER.EXE"
done

# What Notepad on every Windows reads as UTF-8: a byte order mark, CRLF.
{ printf '\xef\xbb\xbf'; sed "s/@VERSION@/$version/; s/\$/\r/" release/README.txt; } >"$stage/README.txt"
exes=(x64/GLYPHER.EXE x86/GLYPHER.EXE)
(cd "$stage" && sha256sum "${exes[@]}" >SHA256SUMS)

# The zip's entries: sorted, no directories, no owners or extended times, the
# commit's time in UTC (zip stores local time), the same permissions.
zip=$(pwd)/dist/glypher-$version-win.zip
mkdir -p dist
rm -f "$zip"
find "$stage" -type f -exec chmod 644 {} +
find "$stage" -exec touch -d "@$SOURCE_DATE_EPOCH" {} +
(cd "$stage" && find . -type f -printf '%P\n' | LC_ALL=C sort | TZ=UTC zip -X -D -9 -q "$zip" -@)

# What a user unpacks verifies against its own SHA256SUMS.
unpacked=$(mktemp -d)
unzip -q "$zip" -d "$unpacked"
(cd "$unpacked" && sha256sum --quiet -c SHA256SUMS)
rm -rf "$unpacked"

(cd "$stage" && sha256sum "${exes[@]}")
sha256sum "dist/${zip##*/}"
