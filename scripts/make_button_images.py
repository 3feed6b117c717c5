#!/usr/bin/env python3
"""Draws the button images into resources/buttons as PNG files.

Command glyphs: one strip per button of four 28 x 28 cells (up, hover, down, disabled)
on the key colour magenta, at 1x (NAME.png) and 2x (NAME@2x.png); the shapes are laid
out on a 28-unit grid and sampled at each pixel centre, so the 2x strip has finer edges.
Media icons: EN_IMAGES.png and DI_IMAGES.png, ten 11 x 9 icons on olive, 16 colours.
Uses the standard library only; run it again after changing a drawing.
"""
import math
import os
import struct
import zlib

CELL = 28
KEY = (255, 0, 255)
OLIVE = (128, 128, 0)


def write_png(path, width, height, rows, palette=None):
    """rows: lists of RGB tuples, or of palette indexes when a palette is given."""
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = bytearray()
    for row in rows:
        raw.append(0)
        if palette is None:
            for pixel in row:
                raw.extend(pixel)
        else:
            for x in range(0, width, 2):
                high = row[x]
                low = row[x + 1] if x + 1 < width else 0
                raw.append(high << 4 | low)
    if palette is None:
        header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
        extra = b""
    else:
        header = struct.pack(">IIBBBBB", width, height, 4, 3, 0, 0, 0)
        extra = chunk(b"PLTE", b"".join(bytes(c) for c in palette))
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + extra +
                chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


class Canvas:
    """A square of CELL units, scale pixels per unit; shapes fill the pixels whose centre
    they cover."""

    def __init__(self, scale):
        self.scale = scale
        self.size = CELL * scale
        self.px = [[KEY] * self.size for _ in range(self.size)]

    def fill(self, inside, colour):
        for y in range(self.size):
            v = (y + 0.5) / self.scale
            for x in range(self.size):
                if inside((x + 0.5) / self.scale, v):
                    self.px[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        self.fill(lambda u, v: x0 <= u < x1 and y0 <= v < y1, colour)

    def disc(self, cx, cy, r, colour, inner=0.0):
        self.fill(lambda u, v: inner <= math.hypot(u - cx, v - cy) <= r, colour)

    def line(self, x0, y0, x1, y1, width, colour):
        dx, dy = x1 - x0, y1 - y0
        length2 = dx * dx + dy * dy

        def inside(u, v):
            t = max(0.0, min(1.0, ((u - x0) * dx + (v - y0) * dy) / length2))
            return math.hypot(u - x0 - t * dx, v - y0 - t * dy) <= width / 2
        self.fill(inside, colour)

    def poly(self, points, colour):
        def inside(u, v):
            hit = False
            for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
                if (ay > v) != (by > v) and u < ax + (v - ay) * (bx - ax) / (by - ay):
                    hit = not hit
            return hit
        self.fill(inside, colour)

    def outline(self, colour):
        """A border of one unit's pixels around everything drawn."""
        drawn = [[p != KEY for p in row] for row in self.px]
        reach = self.scale
        for y in range(self.size):
            for x in range(self.size):
                if drawn[y][x]:
                    continue
                near = any(drawn[j][i]
                           for j in range(max(0, y - reach), min(self.size, y + reach + 1))
                           for i in range(max(0, x - reach), min(self.size, x + reach + 1)))
                if near:
                    self.px[y][x] = colour


WHITE, PAPER, INK = (250, 250, 246), (226, 232, 240), (90, 104, 124)
BLUE, DARKBLUE, SKY = (52, 120, 214), (28, 64, 130), (150, 210, 250)
YELLOW, GOLD, BROWN = (250, 210, 70), (214, 160, 40), (150, 92, 40)
RED, DARKRED, GREEN = (222, 60, 50), (150, 30, 30), (70, 190, 90)
GREY, STEEL = (170, 176, 186), (120, 128, 140)


def search(c):
    c.line(18, 18, 25, 25, 4.5, BROWN)
    c.disc(12, 12, 9, STEEL)
    c.disc(12, 12, 6.5, SKY)
    c.disc(10, 10, 2.2, WHITE)
    c.poly([(24, 1), (25, 4), (28, 5), (25, 6), (24, 9), (23, 6), (20, 5), (23, 4)], YELLOW)


def compare(c):
    c.rect(2, 3, 15, 22, WHITE)
    c.rect(13, 7, 26, 26, PAPER)
    for y in (7, 10, 13):
        c.rect(4, y, 12, y + 1, INK)
    for y in (11, 14):
        c.rect(15, y, 24, y + 1, INK)
    c.rect(15, 18, 24, 20, GREEN)
    c.rect(15, 22, 24, 24, GREEN)


def trash(c):
    c.poly([(6, 9), (22, 9), (20, 26), (8, 26)], GREY)
    for x in (10.5, 14, 17.5):
        c.line(x, 12, x, 23, 1.4, STEEL)
    c.rect(4, 5, 24, 8, STEEL)
    c.rect(11, 2, 17, 5, STEEL)


def open_folder(c):
    c.poly([(2, 6), (10, 6), (12, 9), (24, 9), (24, 24), (2, 24)], GOLD)
    c.rect(7, 11, 23, 19, WHITE)
    c.poly([(6, 14), (27, 14), (23, 24), (2, 24)], YELLOW)


def save(c):
    c.poly([(3, 3), (22, 3), (25, 6), (25, 25), (3, 25)], BLUE)
    c.rect(7, 3, 20, 11, WHITE)
    c.rect(16, 4, 19, 10, STEEL)
    c.rect(7, 15, 21, 25, DARKBLUE)
    c.rect(9, 17, 19, 18, SKY)
    c.rect(9, 20, 19, 21, SKY)


def welcome(c):
    c.rect(6, 13, 22, 25, PAPER)
    c.poly([(14, 3), (26, 14), (2, 14)], RED)
    c.rect(12, 17, 16, 25, BROWN)
    c.rect(18, 16, 21, 19, SKY)
    c.rect(19, 5, 22, 10, DARKRED)


def guide(c):
    c.poly([(2, 6), (13, 8), (13, 25), (2, 23)], WHITE)
    c.poly([(15, 8), (26, 6), (26, 23), (15, 25)], PAPER)
    c.rect(13, 7, 15, 26, BLUE)
    for y in (11, 14, 17):
        c.line(4, y, 11, y + 1.2, 1, INK)
        c.line(17, y + 1.2, 24, y, 1, INK)


def about(c):
    c.disc(14, 14, 12, BLUE)
    c.disc(14, 8, 2, WHITE)
    c.rect(12, 12, 16, 21, WHITE)
    c.rect(10, 12, 16, 14, WHITE)
    c.rect(10, 20, 18, 22, WHITE)


def quit_program(c):
    c.disc(14, 14, 12, RED)
    c.line(9, 9, 19, 19, 3.4, WHITE)
    c.line(19, 9, 9, 19, 3.4, WHITE)


GLYPHS = {"search": search, "compare": compare, "trash": trash, "open": open_folder,
          "save": save, "welcome": welcome, "guide": guide, "about": about,
          "quit": quit_program}
OUTLINE = (16, 28, 48)


def shade(colour, state):
    """The four states: up as drawn, hover lighter, down darker, disabled flat grey."""
    if colour == KEY:
        return colour
    r, g, b = colour
    if state == 1:
        return tuple(min(255, int(v + (255 - v) * 0.3)) for v in (r, g, b))
    if state == 2:
        return tuple(int(v * 0.78) for v in (r, g, b))
    if state == 3:
        grey = int(0.3 * r + 0.59 * g + 0.11 * b)
        return (grey // 3 + 110,) * 3
    return colour


def glyph_strip(draw, scale):
    c = Canvas(scale)
    draw(c)
    c.outline(OUTLINE)
    rows = []
    for row in c.px:
        rows.append([shade(p, s) for s in range(4) for p in row])
    return c.size * 4, c.size, rows


def media_icons():
    """The ten icons as sets of (x, y) pixels: power, play, pause, stop, prev, back, step,
    next, record, eject. Also the pixels drawn in red (record)."""
    def tri_right(x0, height=9):
        return {(x0 + d, y) for y in range(height) for d in range(min(y, height - 1 - y) + 1)}

    def tri_left(x1, height=9):
        return {(x1 - d, y) for y in range(height) for d in range(min(y, height - 1 - y) + 1)}

    def bar(x, width=2):
        return {(x + i, y) for i in range(width) for y in range(9)}

    power = {(5, y) for y in range(5)}
    for a in range(0, 360, 6):
        if 40 < a < 320:
            t = math.radians(a - 90)
            power.add((round(5 + 4.6 * math.cos(t)), round(4.4 + 4.0 * math.sin(t))))
    record = {(x, y) for x in range(11) for y in range(9) if math.hypot(x - 5, y - 4) <= 3.6}
    eject = {(5 + d, y) for y in range(5) for d in range(-y - 1, y + 2) if 0 <= 5 + d < 11} | \
            {(x, y) for x in range(1, 10) for y in (7, 8)}
    icons = [power, tri_right(3), bar(3) | bar(6),
             {(x, y) for x in range(2, 9) for y in range(1, 8)},
             bar(2) | tri_left(8), tri_left(5) | tri_left(9), tri_right(1) | tri_right(5),
             tri_right(2) | bar(7), record, eject]
    return icons, record


def media_strip(enabled):
    palette = [OLIVE, (0, 0, 0), (255, 255, 255), (128, 128, 128), (200, 0, 0), (64, 64, 64)]
    palette += [(0, 0, 0)] * (16 - len(palette))
    icons, record = media_icons()
    rows = [[0] * 110 for _ in range(9)]
    for n, icon in enumerate(icons):
        for x, y in sorted(icon):
            if enabled:
                rows[y][n * 11 + x] = 4 if icon is record else 1
            else:
                # Disabled: grey with a white emboss below and to the right.
                if x + 1 < 11 and y + 1 < 9 and (x + 1, y + 1) not in icon:
                    rows[y + 1][n * 11 + x + 1] = 2
                rows[y][n * 11 + x] = 3
    return rows, palette


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "buttons")
    os.makedirs(out, exist_ok=True)
    for name, draw in GLYPHS.items():
        for scale, suffix in ((1, ""), (2, "@2x")):
            width, height, rows = glyph_strip(draw, scale)
            write_png(os.path.join(out, name + suffix + ".png"), width, height, rows)
    for name, enabled in (("EN_IMAGES", True), ("DI_IMAGES", False)):
        rows, palette = media_strip(enabled)
        write_png(os.path.join(out, name + ".png"), 110, 9, rows, palette)


if __name__ == "__main__":
    main()
