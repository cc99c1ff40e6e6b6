#!/usr/bin/env python3
"""Draws the product icon of the UI kit module (icon group 20922): two ribbed reinforcing
bars crossing on a blue rounded square, at 16 x 16 and 32 x 32 pixels, 32-bit colour with an
AND mask. Writes a Windows .ico file.

Usage: draw_product_icon.py [output.ico]
(default: platform/uikit/product.ico beside this repository's scripts)
"""
import math
import os
import sys

from winimages import icon_file, icon_image

BACKGROUND = (24, 74, 150)
BORDER = (12, 40, 92)
STEEL = (226, 140, 52)
RIB = (150, 84, 24)


def draw(size):
    """Returns rows of (r, g, b, a), top row first."""
    pixels = [[(0, 0, 0, 0)] * size for _ in range(size)]
    corner = size / 5
    for y in range(size):
        for x in range(size):
            # Distance outside the rounded square's inner rectangle, for its rounded corners.
            dx = max(corner - x - 0.5, 0, x + 0.5 - (size - corner))
            dy = max(corner - y - 0.5, 0, y + 0.5 - (size - corner))
            d = math.hypot(dx, dy)
            if d <= corner:
                pixels[y][x] = (*(BORDER if d > corner - 1.2 else BACKGROUND), 255)
    width = size / 8
    for slope in (1, -1):
        for y in range(size):
            for x in range(size):
                # Distance to the diagonal through the centre.
                u = (x + 0.5 - size / 2) * slope - (y + 0.5 - size / 2)
                along = (x + 0.5 - size / 2) + (y + 0.5 - size / 2) * slope
                inside = abs(u) / math.sqrt(2) <= width / 2 + 0.3
                margin = abs(along) / math.sqrt(2) <= size * 0.36
                if inside and margin and pixels[y][x][3]:
                    ribbed = int((along / math.sqrt(2) + size) / (size / 8)) % 2 == 0
                    pixels[y][x] = (*(RIB if ribbed and size > 16 else STEEL), 255)
    return pixels


def dib(pixels):
    size = len(pixels)
    colour = bytearray()
    for row in reversed(pixels):
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    return icon_image(size, colour, lambda x, y: pixels[size - 1 - y][x][3] == 0)


def main():
    default = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "platform",
                           "uikit", "product.ico")
    path = sys.argv[1] if len(sys.argv) > 1 else default
    with open(path, "wb") as out:
        out.write(icon_file(1, [(size, dib(draw(size)), 1, 32) for size in (16, 32)]))

if __name__ == "__main__":
    main()
