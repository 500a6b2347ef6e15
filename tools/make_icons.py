#!/usr/bin/env python3
"""Turns the list images drawn as text into the bitmaps ICO0.bmp ... ICO15.bmp.

Each resources/icons/ICOn.txt holds 16 lines of 16 characters, one character per pixel,
top line first. The characters name the 16 colours of the standard Windows palette:

    .  fuchsia (key)   k  black      w  white
    r  red             R  maroon     y  yellow     Y  olive
    g  lime            G  green      c  aqua       C  teal
    b  blue            B  navy       M  purple
    s  silver          S  grey

Fuchsia is the key: the program paints every key pixel in the list's background colour, so
the pictures themselves never use it ('.' is its only spelling) and the top-left pixel must
be key.

Output: 16-colour (4 bits per pixel, BI_RGB) bottom-up BMP files with the standard palette,
byte for byte the same for the same input.

Usage: make_icons.py [--source DIR] OUTPUT_DIR
"""

import argparse
import pathlib
import struct
import sys

SIZE = 16
COUNT = 16
KEY = "."

# The standard 16-colour palette in its usual order, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00),  # 0 black
    (0x80, 0x00, 0x00),  # 1 maroon
    (0x00, 0x80, 0x00),  # 2 green
    (0x80, 0x80, 0x00),  # 3 olive
    (0x00, 0x00, 0x80),  # 4 navy
    (0x80, 0x00, 0x80),  # 5 purple
    (0x00, 0x80, 0x80),  # 6 teal
    (0xC0, 0xC0, 0xC0),  # 7 silver
    (0x80, 0x80, 0x80),  # 8 grey
    (0xFF, 0x00, 0x00),  # 9 red
    (0x00, 0xFF, 0x00),  # 10 lime
    (0xFF, 0xFF, 0x00),  # 11 yellow
    (0x00, 0x00, 0xFF),  # 12 blue
    (0xFF, 0x00, 0xFF),  # 13 fuchsia
    (0x00, 0xFF, 0xFF),  # 14 aqua
    (0xFF, 0xFF, 0xFF),  # 15 white
]

LEGEND = {
    "k": 0, "R": 1, "G": 2, "Y": 3, "B": 4, "M": 5, "C": 6, "s": 7,
    "S": 8, "r": 9, "g": 10, "y": 11, "b": 12, KEY: 13, "c": 14, "w": 15,
}


class IconError(Exception):
    pass


def read_picture(path):
    """The palette indices of a picture, top row first; IconError says what is wrong."""
    try:
        text = path.read_text(encoding="ascii")
    except UnicodeDecodeError:
        raise IconError(f"{path}: not plain ASCII")
    lines = text.splitlines()
    if len(lines) != SIZE:
        raise IconError(f"{path}: {len(lines)} lines, expected {SIZE}")
    rows = []
    for number, line in enumerate(lines, start=1):
        if len(line) != SIZE:
            raise IconError(f"{path}:{number}: {len(line)} pixels, expected {SIZE}")
        for column, char in enumerate(line, start=1):
            if char not in LEGEND:
                raise IconError(f"{path}:{number}:{column}: {char!r} is not in the legend")
        rows.append([LEGEND[char] for char in line])
    if rows[0][0] != LEGEND[KEY]:
        raise IconError(f"{path}:1:1: the top-left pixel must be the key colour {KEY!r}")
    return rows


def bitmap_bytes(rows):
    """A 4-bit BI_RGB bottom-up BMP file of the rows."""
    stride = (SIZE * 4 + 31) // 32 * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for left, right in zip(row[0::2], row[1::2]):
            line.append(left << 4 | right)
        pixels += line.ljust(stride, b"\0")
    palette = b"".join(struct.pack("<4B", b, g, r, 0) for r, g, b in PALETTE)
    info = struct.pack(
        "<IiiHHIIiiII",
        40,  # header size
        SIZE,
        SIZE,  # positive: bottom-up
        1,  # planes
        4,  # bits per pixel
        0,  # BI_RGB
        len(pixels),
        3780,  # 96 dots per inch, in dots per metre
        3780,
        len(PALETTE),
        0,
    )
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + palette + bytes(pixels)


def main(argv):
    default_source = pathlib.Path(__file__).resolve().parent.parent / "resources" / "icons"
    parser = argparse.ArgumentParser(description="Build the list image bitmaps.")
    parser.add_argument("--source", type=pathlib.Path, default=default_source,
                        help="folder of ICO0.txt ... ICO15.txt")
    parser.add_argument("output", type=pathlib.Path, help="folder for ICO0.bmp ... ICO15.bmp")
    args = parser.parse_args(argv)

    # Check every picture before writing any, so a mistake leaves no half-new set behind.
    try:
        pictures = [read_picture(args.source / f"ICO{i}.txt") for i in range(COUNT)]
    except (IconError, OSError) as error:
        print(f"make_icons: {error}", file=sys.stderr)
        return 1
    args.output.mkdir(parents=True, exist_ok=True)
    for i, rows in enumerate(pictures):
        (args.output / f"ICO{i}.bmp").write_bytes(bitmap_bytes(rows))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
