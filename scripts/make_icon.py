#!/usr/bin/env python3
"""Draws the program's icon (a key cap with a brush stroke) and writes res/fennick.ico.

Run it again after changing the drawing; the build uses the committed file.
"""
import struct
import sys
from pathlib import Path


def draw(size):
    """Pixels top row first, each (r, g, b, a)."""
    bg = (0, 0, 0, 0)
    edge = (22, 78, 99, 255)
    face = (236, 244, 247, 255)
    ink = (200, 40, 40, 255)
    margin = max(1, size // 16)
    radius = max(2, size // 6)
    pixels = [[bg] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            inside = margin <= x < size - margin and margin <= y < size - margin
            if not inside:
                continue
            cx = min(max(x, margin + radius), size - margin - 1 - radius)
            cy = min(max(y, margin + radius), size - margin - 1 - radius)
            if (x - cx) ** 2 + (y - cy) ** 2 > radius ** 2:
                continue
            border = x < margin + 2 or y < margin + 2 or x >= size - margin - 2 or y >= size - margin - 3
            pixels[y][x] = edge if border else face
    # A letter F as brush strokes on the key cap.
    unit = size / 16.0
    strokes = [(5, 4, 7, 12), (5, 4, 11, 6), (5, 7, 10, 9)]
    for x0, y0, x1, y1 in strokes:
        for y in range(int(y0 * unit), int(y1 * unit)):
            for x in range(int(x0 * unit), int(x1 * unit)):
                pixels[y][x] = ink
    return pixels


def bitmap(size):
    pixels = draw(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    mask_row = ((size + 31) // 32) * 4
    and_mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        and_mask += bits
    return header + xor + bytes(and_mask)


def main():
    sizes = [16, 32, 48]
    images = [bitmap(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    out += b"".join(images)
    target = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "res" / "fennick.ico"
    target.write_bytes(out)


if __name__ == "__main__":
    main()
