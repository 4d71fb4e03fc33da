#!/usr/bin/env python3
"""Draws the program's two icons and writes them as standard icon files.

  make_icons.py OUT_DIR

main.ico  32 x 32, 32 bits: the window's title bar and taskbar icon.
tray.ico  16 x 16, 32 bits, exactly 1150 bytes (header, one entry, a 40-byte
          bitmap header, 1024 bytes of colour, 64 of mask): the tray icon.
The artwork is a magnifying glass over an orange tile, drawn in code so that
it can be made again at any size.
"""
import math
import struct
import sys


def draw(size):
    """Returns rows top-down of (b, g, r, a) tuples."""
    s = size / 32.0
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            cx, cy = x + 0.5, y + 0.5
            # The tile: a rounded square in the marketplace's orange.
            inset, radius = 1 * s, 6 * s
            dx = max(inset + radius - cx, 0, cx - (size - inset - radius))
            dy = max(inset + radius - cy, 0, cy - (size - inset - radius))
            inside_tile = dx * dx + dy * dy <= radius * radius
            if not inside_tile:
                row.append((0, 0, 0, 0))
                continue
            color = (0x00, 0x50, 0xFF, 0xFF)  # BGRA orange
            # The glass: a white ring and a white handle.
            gx, gy, gr = 13 * s, 13 * s, 7.5 * s
            d = math.hypot(cx - gx, cy - gy)
            if abs(d - gr) <= 1.6 * s:
                color = (0xFF, 0xFF, 0xFF, 0xFF)
            elif d < gr - 1.6 * s:
                color = (0x40, 0x90, 0xFF, 0xFF)  # lighter lens
            # Handle along the diagonal, from the ring outwards.
            t = ((cx - gx) + (cy - gy)) / math.sqrt(2)
            n = abs((cx - gx) - (cy - gy)) / math.sqrt(2)
            if gr + 0.5 * s <= t <= gr + 10 * s and n <= 2.0 * s:
                color = (0xFF, 0xFF, 0xFF, 0xFF)
            row.append(color)
        rows.append(row)
    return rows


def icon_file(size):
    rows = draw(size)
    colour = b"".join(bytes(p) for row in reversed(rows) for p in row)  # bottom-up
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, p in enumerate(row):
            if p[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(colour) + len(mask), 0, 0, 0, 0)
    image = header + colour + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def main():
    out = sys.argv[1]
    tray = icon_file(16)
    assert len(tray) == 1150, len(tray)
    with open(f"{out}/tray.ico", "wb") as f:
        f.write(tray)
    with open(f"{out}/main.ico", "wb") as f:
        f.write(icon_file(32))


if __name__ == "__main__":
    main()
