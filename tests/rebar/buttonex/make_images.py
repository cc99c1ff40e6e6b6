#!/usr/bin/env python3
"""Writes the small pictures the extended-button tests load from their program's resources.

hot.ico: 16 x 16, 32 bits, opaque red (the hovered or pressed image).
rest.ico: 16 x 16, 32 bits, opaque blue (the resting image).
dot.bmp: 8 x 8, 24 bits, magenta (the transparent colour) around a green 4 x 4 square.
hand.cur: 32 x 32 black cursor with its hot spot at (5, 7).
"""
import struct


def icon_image(size, bgrx):
    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    stride = (size + 31) // 32 * 4
    return header + bytes(bgrx) * size * size + bytes(stride) * size


def directory(kind, images, extra):
    out = struct.pack('<HHH', 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for (size, data), (a, b) in zip(images, extra):
        out += struct.pack('<BBBBHHII', size, size, 0, 0, a, b, len(data), offset)
        offset += len(data)
    return out + b''.join(data for _, data in images)


def bitmap():
    magenta, green = bytes((255, 0, 255)), bytes((0, 255, 0))
    rows = []
    for y in range(8):
        rows.append(b''.join(green if 2 <= x < 6 and 2 <= y < 6 else magenta for x in range(8)))
    bits = b''.join(reversed(rows))  # bottom-up, 24 bytes per row is a multiple of 4
    header = struct.pack('<IiiHHIIiiII', 40, 8, 8, 1, 24, 0, len(bits), 0, 0, 0, 0)
    return struct.pack('<2sIHHI', b'BM', 14 + 40 + len(bits), 0, 0, 54) + header + bits


open('hot.ico', 'wb').write(directory(1, [(16, icon_image(16, (0, 0, 255, 0)))], [(1, 32)]))
open('rest.ico', 'wb').write(directory(1, [(16, icon_image(16, (255, 0, 0, 0)))], [(1, 32)]))
open('dot.bmp', 'wb').write(bitmap())
open('hand.cur', 'wb').write(directory(2, [(32, icon_image(32, (0, 0, 0, 0)))], [(5, 7)]))
