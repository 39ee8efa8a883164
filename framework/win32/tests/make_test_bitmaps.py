#!/usr/bin/env python3
"""Writes the bitmaps of the controls tests (24-bit BMP files) into a folder.

strip.bmp: four 16 x 16 cells side by side, each a solid colour inside a
3-pixel frame of the mask colour magenta; the button bitmaps: one solid
colour each, 24 x 16.
"""
import struct
import sys
from pathlib import Path

MASK = (255, 0, 255)
CELL = 16
FRAME = 3
STRIP_COLOURS = [(255, 0, 0), (0, 128, 0), (0, 0, 255), (255, 255, 0)]
BUTTONS = {
    "button_normal.bmp": (255, 0, 0),
    "button_selected.bmp": (0, 128, 0),
    "button_focus.bmp": (0, 0, 255),
    "button_disabled.bmp": (128, 128, 128),
}


def bmp(width, height, pixel):
    """A bottom-up 24-bit BMP; pixel(x, y) gives (r, g, b), y from the top."""
    row_size = (width * 3 + 3) & ~3
    rows = []
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (row_size - len(row))
        rows.append(bytes(row))
    data = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return header + info + data


def strip_pixel(x, y):
    cx = x % CELL
    if min(cx, y, CELL - 1 - cx, CELL - 1 - y) < FRAME:
        return MASK
    return STRIP_COLOURS[x // CELL]


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    (out / "strip.bmp").write_bytes(bmp(CELL * len(STRIP_COLOURS), CELL, strip_pixel))
    for name, colour in BUTTONS.items():
        (out / name).write_bytes(bmp(24, 16, lambda x, y, c=colour: c))


if __name__ == "__main__":
    main()
