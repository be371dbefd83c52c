#!/usr/bin/env python3
"""Writes small PNG files for png_reader_fuzz to start from: every colour
type and bit depth, plain and interlaced, rows with each filter type, and
the ancillary chunks the reader knows. Usage: make_seeds.py OUTPUT_DIR"""
import os
import struct
import sys
import zlib

DEPTHS = {0: (1, 2, 4, 8, 16), 2: (8, 16), 3: (1, 2, 4, 8), 4: (8, 16), 6: (8, 16)}
CHANNELS = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}
ADAM7 = [(0, 0, 8, 8), (0, 4, 8, 8), (4, 0, 8, 4), (0, 2, 4, 4), (2, 0, 4, 2), (0, 1, 2, 2), (1, 0, 2, 1)]


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def filtered(row, previous, kind, step):
    out = bytearray()
    for i, x in enumerate(row):
        a = row[i - step] if i >= step else 0
        b = previous[i]
        c = previous[i - step] if i >= step else 0
        predictor = (0, a, b, (a + b) // 2, paeth(a, b, c))[kind]
        out.append((x - predictor) & 0xFF)
    return bytes([kind]) + bytes(out)


def pixel_rows(width, height, color, depth, seed):
    bits = CHANNELS[color] * depth
    row_bytes = (width * bits + 7) // 8
    value = seed
    rows = []
    for _ in range(height):
        row = bytearray()
        for _ in range(row_bytes):
            value = (value * 1103515245 + 12345) & 0x7FFFFFFF
            row.append((value >> 16) & 0xFF)
        rows.append(bytes(row))
    return rows, max(1, bits // 8)


def image_data(width, height, color, depth, interlace, seed):
    passes = ADAM7 if interlace else [(0, 0, 1, 1)]
    data = bytearray()
    kind = 0
    for row_start, column_start, row_step, column_step in passes:
        pass_width = (width - column_start + column_step - 1) // column_step if width > column_start else 0
        pass_height = (height - row_start + row_step - 1) // row_step if height > row_start else 0
        if pass_width == 0 or pass_height == 0:
            continue
        rows, step = pixel_rows(pass_width, pass_height, color, depth, seed)
        previous = bytes(len(rows[0]))
        for row in rows:
            data += filtered(row, previous, kind % 5, step)
            kind += 1
            previous = row
    return zlib.compress(bytes(data), 6)


def png_file(width, height, color, depth, interlace, extra=b"", split=0, seed=1):
    out = b"\x89PNG\r\n\x1a\n"
    out += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, depth, color, 0, 0, interlace))
    out += extra
    if color == 3:
        out += chunk(b"PLTE", bytes((i * 37) & 0xFF for i in range(3 << depth)))
    compressed = image_data(width, height, color, depth, interlace, seed)
    if split:
        for i in range(0, len(compressed), split):
            out += chunk(b"IDAT", compressed[i : i + split])
    else:
        out += chunk(b"IDAT", compressed)
    return out + chunk(b"IEND", b"")


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    files = {}
    for color, depths in DEPTHS.items():
        for depth in depths:
            for interlace in (0, 1):
                files[f"c{color}_d{depth}_i{interlace}.png"] = png_file(9, 7, color, depth, interlace)
    ancillary = (
        chunk(b"gAMA", struct.pack(">I", 45455))
        + chunk(b"pHYs", struct.pack(">IIB", 3780, 3780, 1))
        + chunk(b"tIME", struct.pack(">HBBBBB", 2026, 12, 10, 19, 30, 0))
        + chunk(b"tEXt", b"Title\0Tessarilo")
        + chunk(b"zTXt", b"Comment\0\0" + zlib.compress(b"seed text " * 8))
        + chunk(b"cHRM", bytes(32))
        + chunk(b"prIv", b"private")
    )
    files["ancillary_rgb.png"] = png_file(6, 5, 2, 8, 0, ancillary)
    files["trns_grey.png"] = png_file(6, 5, 0, 8, 0, chunk(b"tRNS", struct.pack(">H", 7)))
    files["trns_rgb16.png"] = png_file(6, 5, 2, 16, 0, chunk(b"tRNS", struct.pack(">HHH", 1, 2, 3)))
    palette_trns = chunk(b"tRNS", bytes([0, 128, 255]))
    files["trns_palette.png"] = png_file(6, 5, 3, 4, 0, palette_trns)
    files["split_idat.png"] = png_file(20, 10, 6, 8, 0, split=7)
    files["wide_rgb16.png"] = png_file(40, 3, 2, 16, 0, seed=5)
    files["wide_rgba8.png"] = png_file(40, 3, 6, 8, 1, seed=6)
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
