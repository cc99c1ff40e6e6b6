#!/usr/bin/env python3
"""Writes the small pictures the drawing tests load from their program's resources.

two_sizes.ico: a 16 x 16 green and a 32 x 32 blue image, 32 bits, the right half transparent.
hand.cur: a 32 x 32 black cursor with its hot spot at (5, 7).
swatch.bmp: a 4 x 2 24-bit bitmap, top row red, green, blue, white; bottom row black.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "scripts"))
from winimages import bmp_file, icon_file, icon_image  # noqa: E402


def half_transparent(size, bgrx):
    # Transparent pixels are black in the image, so that XOR leaves the background as it is.
    colour = (bytes(bgrx) * (size // 2) + bytes(4) * (size // 2)) * size
    return icon_image(size, colour, lambda x, y: x >= size // 2)


def bitmap():
    colors = [(0, 0, 255), (0, 255, 0), (255, 0, 0), (255, 255, 255)]
    top = b''.join(bytes(c) for c in colors)
    bottom = bytes(12)
    return bmp_file(4, 2, bottom + top)  # bottom-up, 12 bytes per row is already a multiple of 4


icons = [(16, half_transparent(16, (0, 255, 0, 0)), 1, 32),
         (32, half_transparent(32, (255, 0, 0, 0)), 1, 32)]
open('two_sizes.ico', 'wb').write(icon_file(1, icons))
open('hand.cur', 'wb').write(icon_file(2, [(32, half_transparent(32, (0, 0, 0, 0)), 5, 7)]))
open('swatch.bmp', 'wb').write(bitmap())
