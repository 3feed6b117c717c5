#!/usr/bin/env python3
"""Draws the program's icon into resources/icons: twinsweep.svg and twinsweep-SIZE.png.

Two overlapping sheets of paper, the front one bearing an equals sign, on a 256-unit
grid. Every shape is a convex polygon grown by a radius (a rounded polygon), which SVG
writes exactly as the polygon filled and stroked with round joins, so the PNGs, sampled
from the same shapes, match the SVG; the smallest sizes are simplified.
Uses the standard library only; run it again after changing the drawing.
"""
import math
import os
import struct
import zlib

GRID = 256
SIZES = (16, 32, 48, 64, 128, 256)
DARK, MID, PALE, WHITE = "#1F4E79", "#3A7DB9", "#B9D3EC", "#FFFFFF"
FOLD = 56


def inset(points, d):
    """The convex polygon with every edge moved inwards by d."""
    n = len(points)
    area = sum(points[i][0] * points[(i + 1) % n][1] - points[(i + 1) % n][0] * points[i][1]
               for i in range(n))
    turn = 1 if area > 0 else -1
    lines = []
    for i in range(n):
        (ax, ay), (bx, by) = points[i], points[(i + 1) % n]
        length = math.hypot(bx - ax, by - ay)
        nx, ny = -(by - ay) / length * turn, (bx - ax) / length * turn  # inward normal
        lines.append(((ax + nx * d, ay + ny * d), (bx - ax, by - ay)))
    result = []
    for i in range(n):
        (p, u), (q, v) = lines[i - 1], lines[i]
        cross = u[0] * v[1] - u[1] * v[0]
        t = ((q[0] - p[0]) * v[1] - (q[1] - p[1]) * v[0]) / cross
        result.append((p[0] + u[0] * t, p[1] + u[1] * t))
    return result


class Shape:
    """The polygon `core` grown by `radius`, in one colour."""

    def __init__(self, core, radius, colour):
        self.core, self.radius, self.colour = core, radius, colour
        n = len(core)
        area = sum(core[i][0] * core[(i + 1) % n][1] - core[(i + 1) % n][0] * core[i][1]
                   for i in range(n))
        self.turn = 1 if area > 0 else -1

    def distance(self, x, y):
        """Signed distance from the shape's edge, negative inside."""
        n = len(self.core)
        outside, nearest = -math.inf, math.inf
        for i in range(n):
            (ax, ay), (bx, by) = self.core[i], self.core[(i + 1) % n]
            dx, dy = bx - ax, by - ay
            length = math.hypot(dx, dy)
            outside = max(outside, ((x - ax) * dy - (y - ay) * dx) / length * self.turn)
            t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (length * length)))
            nearest = min(nearest, math.hypot(x - ax - t * dx, y - ay - t * dy))
        return (outside if outside <= 0 else nearest) - self.radius

    def svg(self):
        path = "M" + " L".join(f"{x:g},{y:g}" for x, y in self.core) + " Z"
        stroke = (f' stroke="{self.colour}" stroke-width="{2 * self.radius:g}"'
                  ' stroke-linejoin="round"' if self.radius > 0 else "")
        return f'  <path d="{path}" fill="{self.colour}"{stroke}/>'


def rounded(outline, radius, colour):
    return Shape(inset(outline, radius), radius, colour)


def sheet(x0, y0, x1, y1, border, paper, fold):
    """A sheet with its top right corner folded down."""
    outline = [(x0, y0), (x1 - FOLD, y0), (x1, y0 + FOLD), (x1, y1), (x0, y1)]
    corner = [(x1 - FOLD, y0), (x1, y0 + FOLD), (x1 - FOLD, y0 + FOLD)]
    radius = border + 6
    return [rounded(outline, radius, DARK), Shape(inset(outline, radius), 6, paper),
            rounded(corner, 4, DARK), rounded(inset(corner, border * 0.75), 2, fold)]


def bar(x0, y0, x1, y1, colour):
    return rounded([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], min(6, (y1 - y0) / 2 - 1), colour)


def drawing(size):
    """The icon for `size` pixels: below 48 the borders are at least a pixel wide, the
    equals sign is drawn in whole pixels and the back sheet has no text lines."""
    small = size < 48
    border = max(12, GRID // size)
    shapes = sheet(16, 16, 144, 176, border, MID, PALE)
    if not small:
        shapes += [bar(40, top, end, top + 8, PALE)
                   for top, end in ((48, 72), (76, 100), (104, 92), (132, 100))]
    shapes += sheet(112, 80, 240, 240, border, WHITE, PALE)
    stroke, gap, left, right = (16, 16, 144, 208) if small else (20, 26, 140, 212)
    middle = 168
    shapes.append(bar(left, middle - gap // 2 - stroke, right, middle - gap // 2, DARK))
    shapes.append(bar(left, middle + gap // 2, right, middle + gap // 2 + stroke, DARK))
    return shapes


def rgb(colour):
    return tuple(int(colour[i:i + 2], 16) / 255 for i in (1, 3, 5))


def render(shapes, size, samples=5):
    """RGBA rows, premultiplied floats, each shape painted over the ones before it."""
    scale = GRID / size
    pixels = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]
    offsets = [(i + 0.5) / samples - 0.5 for i in range(samples)]
    for shape in shapes:
        r, g, b = rgb(shape.colour)
        xs = [x for x, _ in shape.core]
        ys = [y for _, y in shape.core]
        left = max(0, int((min(xs) - shape.radius) / scale) - 1)
        right = min(size, int((max(xs) + shape.radius) / scale) + 2)
        top = max(0, int((min(ys) - shape.radius) / scale) - 1)
        bottom = min(size, int((max(ys) + shape.radius) / scale) + 2)
        for py in range(top, bottom):
            for px in range(left, right):
                d = shape.distance((px + 0.5) * scale, (py + 0.5) * scale) / scale
                if d > 0.75:
                    continue
                if d < -0.75:
                    cover = 1.0
                else:
                    hits = sum(shape.distance((px + 0.5 + u) * scale, (py + 0.5 + v) * scale) <= 0
                               for u in offsets for v in offsets)
                    cover = hits / samples ** 2
                if cover:
                    pr, pg, pb, pa = pixels[py][px]
                    keep = 1 - cover
                    pixels[py][px] = (r * cover + pr * keep, g * cover + pg * keep,
                                      b * cover + pb * keep, cover + pa * keep)
    return pixels


def write_png(path, pixels):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    size = len(pixels)
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for r, g, b, a in row:
            if a > 0:
                raw.extend(round(min(1.0, c / a) * 255) for c in (r, g, b))
            else:
                raw.extend((0, 0, 0))
            raw.append(round(a * 255))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "icons")
    os.makedirs(folder, exist_ok=True)
    shapes = drawing(GRID)
    with open(os.path.join(folder, "twinsweep.svg"), "w") as f:
        f.write(f'<svg xmlns="http://www.w3.org/2000/svg" width="{GRID}" height="{GRID}" '
                f'viewBox="0 0 {GRID} {GRID}">\n')
        f.write("\n".join(shape.svg() for shape in shapes) + "\n</svg>\n")
    for size in SIZES:
        write_png(os.path.join(folder, f"twinsweep-{size}.png"), render(drawing(size), size))


if __name__ == "__main__":
    main()
