#!/usr/bin/env python3
"""Draws the program's pictures: the 32 x 32 icon (PNG, 24 bits per pixel; the same pixels as
a Windows icon file; and a scalable SVG of the same drawing) and the 64 x 47 OK picture of the
Time Up window (an uncompressed 24-bit bitmap). Run it after changing a drawing; the results
are committed, so that building needs no Python and the icon's three files cannot drift."""

import math
import pathlib
import struct
import sys
import zlib

OUT = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "resources/pictures")

# The icon: a red alarm clock with a white face on a blue tile.
TILE = (32, 78, 160)
RIM = (200, 30, 30)
FACE = (255, 255, 255)
HAND = (20, 20, 20)
BELL = (230, 180, 40)


def icon_pixel(x, y):
    cx, cy = 16.0, 17.5
    px, py = x + 0.5, y + 0.5
    d = math.hypot(px - cx, py - cy)
    # bells above the face, and the feet
    for bx in (8.5, 23.5):
        if math.hypot(px - bx, py - 6.5) < 4.2 and d > 11.5:
            return BELL
    if 25 < py < 31 and (abs(px - 9) < 1.6 or abs(px - 23) < 1.6) and d > 11:
        return RIM
    if d < 9.6:
        # hour hand to 10, minute hand to 12, a centre dot
        if d < 1.6:
            return HAND
        if abs(px - cx) < 1.1 and cy - 7.5 < py < cy:
            return HAND
        t = ((px - cx) * -0.8 + (py - cy) * -0.6)
        if 0 < t < 5.2 and abs((px - cx) * 0.6 - (py - cy) * 0.8) < 1.0:
            return HAND
        # four marks
        for mx, my in ((0, -8), (8, 0), (0, 8), (-8, 0)):
            if math.hypot(px - (cx + mx), py - (cy + my)) < 0.9:
                return HAND
        return FACE
    if d < 12.0:
        return RIM
    return TILE


def write_png(path, width, height, pixel):
    rows = b"".join(
        b"\x00" + bytes(c for x in range(width) for c in pixel(x, y)) for y in range(height)
    )

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)  # 8-bit RGB, no alpha
    path.write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                     chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def write_svg(path):
    path.write_text(f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
  <rect width="32" height="32" fill="rgb{TILE}"/>
  <circle cx="8.5" cy="6.5" r="4.2" fill="rgb{BELL}"/>
  <circle cx="23.5" cy="6.5" r="4.2" fill="rgb{BELL}"/>
  <rect x="7.4" y="25" width="3.2" height="6" fill="rgb{RIM}"/>
  <rect x="21.4" y="25" width="3.2" height="6" fill="rgb{RIM}"/>
  <circle cx="16" cy="17.5" r="12" fill="rgb{RIM}"/>
  <circle cx="16" cy="17.5" r="9.6" fill="rgb{FACE}"/>
  <g fill="rgb{HAND}">
    <circle cx="16" cy="9.5" r="0.9"/><circle cx="24" cy="17.5" r="0.9"/>
    <circle cx="16" cy="25.5" r="0.9"/><circle cx="8" cy="17.5" r="0.9"/>
    <circle cx="16" cy="17.5" r="1.6"/>
  </g>
  <g stroke="rgb{HAND}" stroke-width="2.1" stroke-linecap="butt">
    <line x1="16" y1="17.5" x2="16" y2="10"/>
    <line x1="16" y1="17.5" x2="11.8" y2="14.4"/>
  </g>
</svg>
""")


# The OK picture: black bold "OK" on white, 64 x 47.
def ok_pixel(x, y):
    px, py = x + 0.5, y + 0.5
    # O: an elliptic ring
    ex, ey = (px - 20) / 13.0, (py - 23.5) / 16.0
    ix, iy = (px - 20) / 7.0, (py - 23.5) / 10.5
    if ex * ex + ey * ey <= 1.0 and ix * ix + iy * iy > 1.0:
        return (0, 0, 0)
    # K: a stem and two arms
    if 38 <= px <= 44 and 7.5 <= py <= 39.5:
        return (0, 0, 0)
    for (x0, y0, x1, y1) in ((43, 25, 57, 7.5), (46, 21, 58, 39.5)):
        if min(y0, y1) <= py <= max(y0, y1):
            t = (py - y0) / (y1 - y0)
            if abs(px - (x0 + t * (x1 - x0))) <= 3.4:
                return (0, 0, 0)
    return (255, 255, 255)


def bottom_up_bgr(width, height, pixel):
    """24-bit rows as bitmaps store them: last row first, blue first, each row padded to 4."""
    stride = (width * 3 + 3) & ~3
    image = bytearray()
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        image += row + b"\x00" * (stride - len(row))
    return bytes(image)


def write_bmp(path, width, height, pixel):
    image = bottom_up_bgr(width, height, pixel)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 3780, 3780, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(image), 0, 0, 14 + len(info))
    path.write_bytes(header + info + image)


def write_ico(path, size, pixel):
    """One 24-bit image: the bitmap (twice the height, as icons count the mask in) followed by
    an all-clear mask, since the tile fills the whole square."""
    image = bottom_up_bgr(size, size, pixel)
    mask = b"\x00" * (((size + 31) // 32 * 4) * size)
    info = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 24, 0, len(image) + len(mask),
                       0, 0, 0, 0)
    data = info + image + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, 1, 24, len(data), 6 + 16)
    path.write_bytes(directory + entry + data)


if __name__ == "__main__":
    OUT.mkdir(parents=True, exist_ok=True)
    write_png(OUT / "icon.png", 32, 32, icon_pixel)
    write_ico(OUT / "icon.ico", 32, icon_pixel)
    write_svg(OUT / "icon.svg")
    write_bmp(OUT / "ok.bmp", 64, 47, ok_pixel)
