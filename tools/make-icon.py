#!/usr/bin/env python3
"""Draws the application icon (res/SoftwareInfo.ico): a blue tile holding a
white product list, at 48, 32 and 16 pixels, each in 8-bit and 32-bit colour.
Deterministic: running it again gives the same file."""
import struct
import sys

SIZES = (48, 32, 16)
SUPERSAMPLE = 4


def inside_rounded(x, y, x0, y0, x1, y1, r):
    if x < x0 or x > x1 or y < y0 or y > y1:
        return False
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def shade(size, x, y):
    """Colour (r, g, b, a) of the point x, y in a tile of size units."""
    u, v = x / size, y / size
    if not inside_rounded(u, v, 0.04, 0.04, 0.96, 0.96, 0.18):
        return (0, 0, 0, 0)
    # Top-to-bottom blue gradient.
    t = v
    base = (int(30 + 10 * t), int(136 - 50 * t), int(229 - 60 * t), 255)
    # Three list rows: a bullet and a bar each; the first bar is longest.
    for i, length in enumerate((0.50, 0.40, 0.46)):
        top = 0.24 + i * 0.19
        if inside_rounded(u, v, 0.20, top, 0.31, top + 0.11, 0.05):
            return (255, 209, 92, 255)
        if inside_rounded(u, v, 0.37, top + 0.015, 0.37 + length * 0.9, top + 0.095, 0.04):
            return (255, 255, 255, 255)
    return base


def render(size):
    pixels = []
    n = SUPERSAMPLE
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(n):
                for sx in range(n):
                    r, g, b, a = shade(size, x + (sx + 0.5) / n, y + (sy + 0.5) / n)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            a = acc[3] / (n * n)
            if acc[3]:
                row.append((round(acc[0] / acc[3]), round(acc[1] / acc[3]), round(acc[2] / acc[3]), round(a)))
            else:
                row.append((0, 0, 0, 0))
        pixels.append(row)
    return pixels


def palette():
    colours = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
    colours += [(i * 6, i * 6, i * 6) for i in range(40)]
    return colours[:256]


def nearest(colours, rgb):
    return min(range(len(colours)), key=lambda i: sum((colours[i][k] - rgb[k]) ** 2 for k in range(3)))


def mask_bits(pixels, size):
    stride = ((size + 31) // 32) * 4
    out = b""
    for row in reversed(pixels):
        bits = bytearray(stride)
        for x, p in enumerate(row):
            if p[3] < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bytes(bits)
    return out


def image(pixels, size, bpp):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bpp, 0, 0, 0, 0, 0, 0)
    if bpp == 32:
        body = b"".join(bytes((p[2], p[1], p[0], p[3])) for row in reversed(pixels) for p in row)
        return header + body + mask_bits(pixels, size)
    colours = palette()
    table = b"".join(bytes((c[2], c[1], c[0], 0)) for c in colours)
    stride = (size + 3) // 4 * 4
    body = b""
    for row in reversed(pixels):
        line = bytes(nearest(colours, p) if p[3] >= 128 else 0 for p in row)
        body += line + bytes(stride - size)
    return header + table + body + mask_bits(pixels, size)


def main(path):
    images = []
    for size in SIZES:
        pixels = render(size)
        for bpp in (8, 32):
            images.append((size, bpp, image(pixels, size, bpp)))
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, bpp, blob in images:
        data += struct.pack("<BBBBHHII", size, size, 0, 0, 1, bpp, len(blob), offset)
        offset += len(blob)
    data += b"".join(blob for _, _, blob in images)
    with open(path, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "res/SoftwareInfo.ico")
