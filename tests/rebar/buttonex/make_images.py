#!/usr/bin/env python3
"""Writes the small pictures the extended-button tests load from their program's resources.

hot.ico: 16 x 16, 32 bits, opaque red (the hovered or pressed image).
rest.ico: 16 x 16, 32 bits, opaque blue (the resting image).
dot.bmp: 8 x 8, 24 bits, magenta (the transparent colour) around a green 4 x 4 square.
hand.cur: 32 x 32 black cursor with its hot spot at (5, 7).
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "scripts"))
from winimages import bmp_file, icon_file, icon_image  # noqa: E402


def opaque(size, bgrx):
    return icon_image(size, bytes(bgrx) * size * size, lambda x, y: False)


def bitmap():
    magenta, green = bytes((255, 0, 255)), bytes((0, 255, 0))
    rows = []
    for y in range(8):
        rows.append(b''.join(green if 2 <= x < 6 and 2 <= y < 6 else magenta for x in range(8)))
    return bmp_file(8, 8, b''.join(reversed(rows)))  # 24 bytes per row is a multiple of 4


open('hot.ico', 'wb').write(icon_file(1, [(16, opaque(16, (0, 0, 255, 0)), 1, 32)]))
open('rest.ico', 'wb').write(icon_file(1, [(16, opaque(16, (255, 0, 0, 0)), 1, 32)]))
open('dot.bmp', 'wb').write(bitmap())
open('hand.cur', 'wb').write(icon_file(2, [(32, opaque(32, (0, 0, 0, 0)), 5, 7)]))
