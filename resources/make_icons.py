#!/usr/bin/env python3
"""Draws the two 128 x 128, 24-bit window icons: a lit 8-segment digit for the main window and
a heart over a digit for the about window. Run from the repository root to regenerate them."""
import struct
import zlib

SIZE = 128


def png(path, pixels):
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 2, 0, 0, 0)  # 8-bit RGB, no alpha
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
                + chunk(b"IEND", b""))


def gradient(c0, c1):
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            t = (x + y) / (2 * (SIZE - 1))
            row.append(tuple(round(a + (b - a) * t) for a, b in zip(c0, c1)))
        rows.append(row)
    return rows


# Segment boxes a..g and dp on a 128 grid: (left, top, width, height).
SEGMENTS = [(40, 14, 44, 12), (86, 26, 12, 38), (86, 70, 12, 38), (40, 108, 44, 12),
            (26, 70, 12, 38), (26, 26, 12, 38), (40, 61, 44, 12), (104, 108, 12, 12)]


def digit(pixels, lit, on, off):
    for k, (l, t, w, h) in enumerate(SEGMENTS):
        colour = on if k in lit else off
        for y in range(t, t + h):
            for x in range(l, l + w):
                pixels[y][x] = colour


main = gradient((130, 200, 180), (130, 130, 180))
digit(main, {0, 1, 2, 3, 4, 5, 6, 7}, (230, 40, 40), (90, 110, 120))
png("resources/kelvarin.png", main)

about = gradient((200, 180, 180), (180, 130, 180))
digit(about, {1, 2}, (40, 120, 230), (150, 130, 150))
for y in range(SIZE):
    for x in range(SIZE):
        u, v = (x - 64) / 30.0, (64 - y) / 30.0 + 0.2
        if (u * u + v * v - 1) ** 3 - u * u * v ** 3 <= 0:
            about[y][x] = (220, 30, 60)
png("resources/sponsor.png", about)
