#!/usr/bin/env python3
"""Draws the program's icon (res/Fenu.ico): a blue rounded square with a white "F" and a
few text lines, at 16, 32 and 48 pixels. Run it again only to change the picture."""
import struct
import sys


def pixel(size, x, y):
    """RGBA of one pixel, drawn in a 48-unit design space."""
    u = (x + 0.5) * 48.0 / size
    v = (y + 0.5) * 48.0 / size
    r = 9.0  # corner radius
    cx = min(max(u, r + 1), 47 - r)
    cy = min(max(v, r + 1), 47 - r)
    if (u - cx) ** 2 + (v - cy) ** 2 > r * r or u < 1 or v < 1 or u > 47 or v > 47:
        return (0, 0, 0, 0)
    t = v / 48.0
    base = (int(0x14 + 0x40 * t), int(0x46 + 0x50 * t), int(0xA0 + 0x40 * t), 255)
    # The letter F.
    if 11 <= u <= 18 and 9 <= v <= 39:
        return (255, 255, 255, 255)
    if 11 <= u <= 33 and 9 <= v <= 15:
        return (255, 255, 255, 255)
    if 11 <= u <= 28 and 21 <= v <= 26:
        return (255, 255, 255, 255)
    # Text lines to the right: the building blocks.
    for top in (30.0, 35.5):
        if 22 <= u <= 38 and top <= v <= top + 2.5:
            return (0xFF, 0xD2, 0x4A, 255)
    return base


def image(size):
    rows = []
    for y in range(size - 1, -1, -1):  # bottom-up
        row = b""
        for x in range(size):
            r, g, b, a = pixel(size, x, y)
            row += bytes((b, g, r, a))
        rows.append(row)
    xor = b"".join(rows)
    mask_row = ((size + 31) // 32) * 4
    and_mask = b""
    for y in range(size - 1, -1, -1):
        row = bytearray(mask_row)
        for x in range(size):
            if pixel(size, x, y)[3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        and_mask += bytes(row)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    return header + xor + and_mask


def main(path):
    sizes = (16, 32, 48)
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "Fenu.ico")
