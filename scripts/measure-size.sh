#!/bin/bash
# Prints the size of each GLYPHER.EXE and, per section, the bytes it uses and
# the bytes it takes in the file: sections are stored in whole 512-byte pages,
# so a few bytes over a page boundary cost a page. Builds what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

for arch in i686 x86_64; do
    cmake --preset "mingw-$arch" >/dev/null
    cmake --build --preset "mingw-$arch" --target GLYPHER >/dev/null
    exe="build/mingw-$arch/GLYPHER.EXE"
    echo "$arch: $(stat -c %s "$exe") bytes (limit 32768)"
    python3 - "$exe" <<'PYTHON'
import struct, sys
image = open(sys.argv[1], "rb").read()
pe = struct.unpack_from("<I", image, 0x3C)[0]
sections, optional_size = struct.unpack_from("<H12xH", image, pe + 6)
headers = struct.unpack_from("<I", image, pe + 24 + 60)[0]
print(f"  {'section':<8} {'used':>6} {'in file':>8}")
print(f"  {'headers':<8} {'':>6} {headers:>8}")
table = pe + 24 + optional_size
for i in range(sections):
    name, used, _, in_file = struct.unpack_from("<8sIII", image, table + 40 * i)
    name = name.rstrip(b"\0").decode()
    print(f"  {name:<8} {used:>6} {in_file:>8}")
PYTHON
done
