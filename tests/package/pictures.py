"""Reads the program's icon: the 32 x 32, 24-bit PNG, and the same pixels in the bitmap form
Windows icons use. Standard library only."""

import struct
import zlib


def read_png(path):
    """(width, height, bit depth, colour type, pixels as rows of (r, g, b))."""
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path} is not a PNG")
    at, header, compressed = 8, None, b""
    while at < len(data):
        (length,), kind = struct.unpack(">I", data[at:at + 4]), data[at + 4:at + 8]
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            compressed += body
        at += 12 + length
    width, height, depth, colour = header[:4]
    if (depth, colour) != (8, 2):
        return width, height, depth, colour, None
    raw, stride, rows = zlib.decompress(compressed), width * 3, []
    for y in range(height):
        start = y * (stride + 1)
        # make_pictures.py writes every row unfiltered.
        if raw[start] != 0:
            raise ValueError(f"{path}: row {y} is filtered")
        line = raw[start + 1:start + 1 + stride]
        rows.append([tuple(line[x * 3:x * 3 + 3]) for x in range(width)])
    return width, height, depth, colour, rows


def read_icon_bitmap(data):
    """An icon image as Windows keeps it (a bitmap header, bottom-up BGR rows, then a mask):
    (width, height, bits per pixel, rows of (r, g, b) top-down, mask bytes)."""
    size, width, double_height, _, bits = struct.unpack_from("<IiiHH", data)
    height = double_height // 2
    if bits != 24:
        return width, height, bits, None, None
    stride = (width * 3 + 3) & ~3
    pixels = data[size:size + stride * height]
    rows = []
    for y in reversed(range(height)):
        line = pixels[y * stride:y * stride + width * 3]
        rows.append([(line[x * 3 + 2], line[x * 3 + 1], line[x * 3]) for x in range(width)])
    return width, height, bits, rows, data[size + stride * height:]
