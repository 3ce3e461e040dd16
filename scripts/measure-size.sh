#!/bin/bash
# Prints the size of each GLYPHER.EXE and of its sections, for size claims
# anyone can check. Builds what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

for arch in i686 x86_64; do
    cmake --preset "mingw-$arch" >/dev/null
    cmake --build --preset "mingw-$arch" --target GLYPHER >/dev/null
    exe="build/mingw-$arch/GLYPHER.EXE"
    echo "$arch: $(stat -c %s "$exe") bytes (limit 32768)"
    "$arch-w64-mingw32-objdump" -h "$exe" |
        while read -r _ name size _; do
            if [[ "$name" == .* ]]; then printf "  %-8s %6d\n" "$name" "$((16#$size))"; fi
        done
done
