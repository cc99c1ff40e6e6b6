"""The Windows picture formats our generator scripts write: 24-bit BMP files, and icon or cursor
files whose images are 32-bit device-independent bitmaps with an AND mask."""
import struct


def bmp_file(width, height, bottom_up_bits, pixels_per_metre=0):
    """A BMP file around 24-bit bits already laid out bottom-up with rows padded to 4 bytes."""
    header = struct.pack("<2sIHHI", b"BM", 54 + len(bottom_up_bits), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(bottom_up_bits),
                       pixels_per_metre, pixels_per_metre, 0, 0)
    return header + info + bottom_up_bits


def icon_image(size, bottom_up_bgra, transparent):
    """One icon image: the 32-bit colour bits (bottom-up) and the mask, in which transparent(x, y)
    (y counted from the bottom row) sets the pixel's bit."""
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    stride = (size + 31) // 32 * 4
    mask = bytearray()
    for y in range(size):
        row = bytearray(stride)
        for x in range(size):
            if transparent(x, y):
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(bottom_up_bgra) + bytes(mask)


def icon_file(kind, images):
    """An icon (kind 1) or cursor (kind 2) file of (size, image, a, b) entries, where a and b are
    the planes and bit count of an icon, or the hot spot of a cursor."""
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for size, data, a, b in images:
        out += struct.pack("<BBBBHHII", size, size, 0, 0, a, b, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data, _, _ in images)
