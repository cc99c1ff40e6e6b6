#!/usr/bin/env python3
"""Writes the small pictures the drawing tests load from their program's resources.

two_sizes.ico: a 16 x 16 green and a 32 x 32 blue image, 32 bits, the right half transparent.
hand.cur: a 32 x 32 black cursor with its hot spot at (5, 7).
swatch.bmp: a 4 x 2 24-bit bitmap, top row red, green, blue, white; bottom row black.
"""
import struct


def icon_image(size, bgrx):
    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    # Transparent pixels are black in the image, so that XOR leaves the background as it is.
    xor = (bytes(bgrx) * (size // 2) + bytes(4) * (size // 2)) * size
    stride = (size + 31) // 32 * 4
    row = bytearray(stride)
    for x in range(size // 2, size):
        row[x // 8] |= 0x80 >> (x % 8)
    return header + xor + bytes(row) * size


def directory(kind, images, extra):
    out = struct.pack('<HHH', 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for (size, data), (a, b) in zip(images, extra):
        out += struct.pack('<BBBBHHII', size, size, 0, 0, a, b, len(data), offset)
        offset += len(data)
    return out + b''.join(data for _, data in images)


def bitmap():
    colors = [(0, 0, 255), (0, 255, 0), (255, 0, 0), (255, 255, 255)]
    top = b''.join(bytes(c) for c in colors)
    bottom = bytes(12)
    bits = bottom + top  # bottom-up, 12 bytes per row is already a multiple of 4
    header = struct.pack('<IiiHHIIiiII', 40, 4, 2, 1, 24, 0, len(bits), 0, 0, 0, 0)
    return struct.pack('<2sIHHI', b'BM', 14 + 40 + len(bits), 0, 0, 54) + header + bits


images = [(16, icon_image(16, (0, 255, 0, 0))), (32, icon_image(32, (255, 0, 0, 0)))]
open('two_sizes.ico', 'wb').write(directory(1, images, [(1, 32), (1, 32)]))
open('hand.cur', 'wb').write(directory(2, [(32, icon_image(32, (0, 0, 0, 0)))], [(5, 7)]))
open('swatch.bmp', 'wb').write(bitmap())
