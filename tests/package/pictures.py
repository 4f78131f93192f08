"""Reads the program's icon: the 32 x 32, 24-bit PNG, and the same pixels in the bitmap form
Windows icons use. Standard library only."""

import struct
import zlib


def _unfilter(kind, line, previous, bpp):
    out = bytearray(line)
    for i in range(len(out)):
        left = out[i - bpp] if i >= bpp else 0
        up = previous[i]
        upper_left = previous[i - bpp] if i >= bpp else 0
        if kind == 1:
            out[i] = (out[i] + left) & 0xFF
        elif kind == 2:
            out[i] = (out[i] + up) & 0xFF
        elif kind == 3:
            out[i] = (out[i] + (left + up) // 2) & 0xFF
        elif kind == 4:
            p = left + up - upper_left
            pa, pb, pc = abs(p - left), abs(p - up), abs(p - upper_left)
            nearest = left if pa <= pb and pa <= pc else up if pb <= pc else upper_left
            out[i] = (out[i] + nearest) & 0xFF
    return bytes(out)


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
    raw, stride, rows, previous = zlib.decompress(compressed), width * 3, [], bytes(width * 3)
    for y in range(height):
        start = y * (stride + 1)
        line = _unfilter(raw[start], raw[start + 1:start + 1 + stride], previous, 3)
        rows.append([tuple(line[x * 3:x * 3 + 3]) for x in range(width)])
        previous = line
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
