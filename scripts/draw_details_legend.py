#!/usr/bin/env python3
"""Draws the legend picture of the steel-grade details panel (bitmap 10706 of the rebar
module): a bar with a hook and two bends, a short straight bar and a closed stirrup, with the
letters that the grid's column titles use. Writes a 722 x 205, 24-bit BMP.

Usage: draw_details_legend.py [output.bmp]
(default: components/rebar/resources/steelgradedetails.bmp beside this repository's scripts)
"""
import math
import os
import sys

from winimages import bmp_file

WIDTH, HEIGHT = 722, 205
PAPER = (250, 251, 253)
SQUARES = (226, 233, 241)
BAR = (0, 72, 200)
MANDREL = (150, 150, 150)
INK = (40, 40, 40)

# 5 x 7 glyphs, one string per row, "#" for ink.
GLYPHS = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "B": ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "D": ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "\u03a6": ["..#..", ".###.", "#.#.#", "#.#.#", "#.#.#", ".###.", "..#.."],
}


class Canvas:
    def __init__(self):
        self.pixels = [[PAPER] * WIDTH for _ in range(HEIGHT)]

    def dot(self, x, y, colour, radius=0):
        for dy in range(-radius, radius + 1):
            for dx in range(-radius, radius + 1):
                if dx * dx + dy * dy <= radius * radius + radius:
                    px, py = int(round(x)) + dx, int(round(y)) + dy
                    if 0 <= px < WIDTH and 0 <= py < HEIGHT:
                        self.pixels[py][px] = colour

    def line(self, x0, y0, x1, y1, colour, radius=0, dash=0):
        steps = max(1, int(math.hypot(x1 - x0, y1 - y0) * 2))
        for i in range(steps + 1):
            if dash and (i // (dash * 2)) % 2:
                continue
            t = i / steps
            self.dot(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, colour, radius)

    def arc(self, cx, cy, r, start, end, colour, radius=0, dash=0):
        """Angles in degrees, counter-clockwise on screen from the positive x axis."""
        steps = max(8, int(abs(end - start) * r / 20))
        for i in range(steps + 1):
            if dash and (i // dash) % 2:
                continue
            a = math.radians(start + (end - start) * i / steps)
            self.dot(cx + r * math.cos(a), cy - r * math.sin(a), colour, radius)

    def text(self, x, y, letter, scale=2):
        for row, bits in enumerate(GLYPHS[letter]):
            for col, bit in enumerate(bits):
                if bit == "#":
                    for dy in range(scale):
                        for dx in range(scale):
                            self.pixels[y + row * scale + dy][x + col * scale + dx] = INK

    def dimension(self, x0, y0, x1, y1, letter, label_at):
        """A dimension line with end ticks across it and its letter."""
        self.line(x0, y0, x1, y1, INK)
        nx, ny = (y1 - y0), -(x1 - x0)
        length = math.hypot(nx, ny)
        nx, ny = nx / length * 5, ny / length * 5
        for x, y in ((x0, y0), (x1, y1)):
            self.line(x - nx, y - ny, x + nx, y + ny, INK)
        self.text(label_at[0], label_at[1], letter)

    def save(self, path):
        row_size = (WIDTH * 3 + 3) & ~3
        data = bytearray()
        for row in reversed(self.pixels):
            line = bytearray()
            for r, g, b in row:
                line += bytes((b, g, r))
            data += line + bytes(row_size - len(line))
        with open(path, "wb") as out:
            out.write(bmp_file(WIDTH, HEIGHT, bytes(data), pixels_per_metre=2835))


def squared_paper(c):
    for x in range(0, WIDTH, 10):
        c.line(x, 0, x, HEIGHT - 1, SQUARES)
    for y in range(0, HEIGHT, 10):
        c.line(0, y, WIDTH - 1, y, SQUARES)


def mandrel(c, cx, cy, r=12):
    c.arc(cx, cy, r, 0, 360, MANDREL, dash=3)


def bent_bar(c):
    # Hook at the left end, wrapped round mandrel B.
    mandrel(c, 66, 136)
    c.arc(66, 136, 14, 90, 270, BAR, 1)
    c.line(66, 122, 100, 122, BAR, 1)
    c.text(36, 129, "B")
    # Bottom run, then bend C, the leg E, bend C, and the long straight end.
    c.line(66, 150, 180, 150, BAR, 1)
    mandrel(c, 180, 136)
    c.arc(180, 136, 14, -90, 0, BAR, 1)
    c.line(194, 136, 194, 64, BAR, 1)
    mandrel(c, 208, 64)
    c.arc(208, 64, 14, 90, 180, BAR, 1)
    c.line(208, 50, 560, 50, BAR, 1)
    # Bend diameters.
    c.dimension(168, 136, 192, 136, "C", (150, 160))
    c.dimension(196, 64, 220, 64, "C", (174, 70))
    c.dimension(232, 64, 232, 136, "E", (240, 94))
    # Bar diameter.
    c.line(120, 140, 120, 146, INK)
    c.line(120, 154, 120, 160, INK)
    c.text(126, 160, "\u03a6")
    # End leg L and anchorage length D, measured back from the end.
    c.dimension(208, 34, 560, 34, "L", (380, 16))
    c.dimension(430, 20, 560, 20, "D", (490, 2))


def straight_bar(c):
    c.line(330, 120, 540, 120, BAR, 1)
    c.dimension(330, 140, 540, 140, "S", (430, 146))


def stirrup(c):
    left, top, right, bottom, r = 600, 30, 700, 180, 14
    corners = ((left + r, top + r, 90, 180), (right - r, top + r, 0, 90),
               (right - r, bottom - r, 270, 360), (left + r, bottom - r, 180, 270))
    for cx, cy, start, end in corners:
        mandrel(c, cx, cy)
        c.arc(cx, cy, r, start, end, BAR, 1)
    c.line(left + r, top, right - r, top, BAR, 1)
    c.line(left + r, bottom, right - r, bottom, BAR, 1)
    c.line(left, top + r, left, bottom - r, BAR, 1)
    c.line(right, top + r, right, bottom - r, BAR, 1)
    # The closing hooks, bent inwards at the top left corner.
    c.line(left + r, top, left + r + 14, top + 14, BAR, 1)
    c.line(left, top + r, left + 14, top + r + 14, BAR, 1)
    for x, y in ((left + 34, top + 30), (right - 44, top + 30), (right - 44, bottom - 44),
                 (left + 34, bottom - 44)):
        c.text(x, y, "A")


def main():
    default = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "components",
                           "rebar", "resources", "steelgradedetails.bmp")
    path = sys.argv[1] if len(sys.argv) > 1 else default
    c = Canvas()
    squared_paper(c)
    bent_bar(c)
    straight_bar(c)
    stirrup(c)
    c.save(path)


if __name__ == "__main__":
    main()
