#!/usr/bin/env python3
"""Turns a 32 x 32 text pixel map into a one-image 16-colour .ico.

Usage: make_icon.py PIXEL_MAP OUTPUT_ICO

The map has 32 lines of 32 characters: a hex digit is an index into the
Windows 16-colour (VGA) palette below, '.' is a transparent pixel.
"""

import struct
import sys

SIZE = 32

# RGB, in the order of the system's 16-colour palette.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]

TRANSPARENT = "."


def read_map(path):
    """Returns the rows top to bottom, each a list of colour indexes or None."""
    with open(path, encoding="ascii") as f:
        lines = f.read().splitlines()
    if len(lines) != SIZE:
        raise ValueError(f"{path}: {len(lines)} rows, want {SIZE}")
    rows = []
    for number, line in enumerate(lines, 1):
        if len(line) != SIZE:
            raise ValueError(f"{path}:{number}: {len(line)} columns, want {SIZE}")
        row = []
        for column, ch in enumerate(line, 1):
            if ch == TRANSPARENT:
                row.append(None)
            elif ch in "0123456789ABCDEFabcdef":
                row.append(int(ch, 16))
            else:
                raise ValueError(f"{path}:{number}:{column}: bad pixel {ch!r}")
        rows.append(row)
    return rows


def build_ico(rows):
    # Both bitmaps run bottom-up. At 32 pixels a colour row is 16 bytes and a
    # mask row 4, so neither needs padding to a DWORD.
    xor_rows = []
    and_rows = []
    for row in reversed(rows):
        colours = [0 if p is None else p for p in row]  # transparent shows as black under the mask
        xor_rows.append(bytes((colours[i] << 4) | colours[i + 1] for i in range(0, SIZE, 2)))
        mask = 0
        for p in row:
            mask = (mask << 1) | (1 if p is None else 0)
        and_rows.append(mask.to_bytes(SIZE // 8, "big"))
    xor_bits = b"".join(xor_rows)
    and_bits = b"".join(and_rows)

    # BITMAPINFOHEADER: the height counts the colour and the mask bitmaps.
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0,
                         len(xor_bits) + len(and_bits), 0, 0, 0, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    image = header + palette + xor_bits + and_bits

    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image),
                        len(directory) + 16)
    return directory + entry + image


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    try:
        rows = read_map(argv[1])
    except (OSError, ValueError) as error:
        sys.stderr.write(f"make_icon: {error}\n")
        return 1
    with open(argv[2], "wb") as f:
        f.write(build_ico(rows))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
