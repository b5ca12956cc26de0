#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the program's icons. Run from the repository root to regenerate them.

- The two 128 x 128, 24-bit window icons: a lit 8-segment digit for the main window and a heart
  over a digit for the about window.
- The desktop icon of the application id, in the hicolor theme: one drawing (a rounded tile with
  an LED digit), written as a scalable SVG and rendered with coverage anti-aliasing to PNGs of
  16 to 256 pixels with a transparent background.
"""
import os
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


# The desktop icon, on a 256-unit canvas.
APP_ID = "org.kelvarin.Kelvarin"
TILE = (16, 16, 240, 240, 44)  # left, top, right, bottom, corner radius
TILE_TOP, TILE_BOTTOM = (52, 70, 84), (20, 28, 36)
LIT, UNLIT = (255, 72, 48), (78, 46, 48)
T = 22  # segment thickness


def hbar(x0, x1, y):
    h = T / 2
    return [(x0, y), (x0 + h, y - h), (x1 - h, y - h), (x1, y), (x1 - h, y + h), (x0 + h, y + h)]


def vbar(x, y0, y1):
    h = T / 2
    return [(x, y0), (x + h, y0 + h), (x + h, y1 - h), (x, y1), (x - h, y1 - h), (x - h, y0 + h)]


L, R, TOP, MID, BOT, GAP = 76, 164, 50, 128, 206, 4
# Segments a..g as polygons, each with whether it is lit (the digit "2" and its point).
DIGIT = [(hbar(L + GAP, R - GAP, TOP), True), (vbar(R, TOP + GAP, MID - GAP), True),
         (vbar(R, MID + GAP, BOT - GAP), False), (hbar(L + GAP, R - GAP, BOT), True),
         (vbar(L, MID + GAP, BOT - GAP), True), (vbar(L, TOP + GAP, MID - GAP), False),
         (hbar(L + GAP, R - GAP, MID), True)]
POINT = (196, 206, 13)  # centre x, centre y, radius; lit


def inside_tile(x, y):
    l, t, r, b, rad = TILE
    if not (l <= x <= r and t <= y <= b):
        return False
    cx = min(max(x, l + rad), r - rad)
    cy = min(max(y, t + rad), b - rad)
    return (x - cx) ** 2 + (y - cy) ** 2 <= rad * rad


def inside_convex(poly, x, y):
    sign = 0
    for (ax, ay), (bx, by) in zip(poly, poly[1:] + poly[:1]):
        cross = (bx - ax) * (y - ay) - (by - ay) * (x - ax)
        if cross != 0:
            if sign == 0:
                sign = 1 if cross > 0 else -1
            elif (cross > 0) != (sign > 0):
                return False
    return True


def colour_at(x, y):
    """The drawing's colour at a point of the 256 canvas, or None outside the tile."""
    if not inside_tile(x, y):
        return None
    px, py, pr = POINT
    if (x - px) ** 2 + (y - py) ** 2 <= pr * pr:
        return LIT
    for poly, lit in DIGIT:
        if inside_convex(poly, x, y):
            return LIT if lit else UNLIT
    t = (y - TILE[1]) / (TILE[3] - TILE[1])
    return tuple(a + (b - a) * t for a, b in zip(TILE_TOP, TILE_BOTTOM))


def render(size):
    """RGBA rows at `size` pixels: each pixel averages a grid of samples (coverage for alpha)."""
    n = 8 if size <= 64 else 4
    scale = 256 / size
    rows = []
    for j in range(size):
        row = []
        for i in range(size):
            acc, hits = [0.0, 0.0, 0.0], 0
            for sj in range(n):
                for si in range(n):
                    c = colour_at((i + (si + 0.5) / n) * scale, (j + (sj + 0.5) / n) * scale)
                    if c is not None:
                        hits += 1
                        for k in range(3):
                            acc[k] += c[k]
            if hits == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(round(a / hits) for a in acc) + (round(255 * hits / (n * n)),))
        rows.append(row)
    return rows


def png_rgba(path, rows):
    size = len(rows)
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
                + chunk(b"IEND", b""))


def hexcolour(c):
    return "#%02x%02x%02x" % c


def svg():
    l, t, r, b, rad = TILE
    shapes = [f'<rect x="{l}" y="{t}" width="{r - l}" height="{b - t}" rx="{rad}" fill="url(#tile)"/>']
    for poly, lit in DIGIT:
        points = " ".join(f"{x:g},{y:g}" for x, y in poly)
        shapes.append(f'<polygon points="{points}" fill="{hexcolour(LIT if lit else UNLIT)}"/>')
    px, py, pr = POINT
    shapes.append(f'<circle cx="{px}" cy="{py}" r="{pr}" fill="{hexcolour(LIT)}"/>')
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">\n'
            '  <defs>\n'
            f'    <linearGradient id="tile" x1="0" y1="{t}" x2="0" y2="{b}" gradientUnits="userSpaceOnUse">\n'
            f'      <stop offset="0" stop-color="{hexcolour(TILE_TOP)}"/>\n'
            f'      <stop offset="1" stop-color="{hexcolour(TILE_BOTTOM)}"/>\n'
            '    </linearGradient>\n'
            '  </defs>\n' + "".join(f"  {s}\n" for s in shapes) + '</svg>\n')


HICOLOR = "resources/icons/hicolor"
os.makedirs(f"{HICOLOR}/scalable/apps", exist_ok=True)
with open(f"{HICOLOR}/scalable/apps/{APP_ID}.svg", "w") as f:
    f.write(svg())
for size in (16, 32, 48, 64, 128, 256):
    png_rgba(f"{HICOLOR}/{size}x{size}/apps/{APP_ID}.png", render(size))
