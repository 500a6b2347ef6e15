#!/usr/bin/env python3
"""Turns the list images and the tool button glyphs drawn as text into bitmaps.

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

The tool button glyphs (resources/glyphs/NAME.txt, in GLYPHS order) are drawn the same way.
Each also gets a disabled look made from its dark pixels: grey, with a white shadow one pixel
down and right, so the last line and the last column must be key to leave room for it, and a
glyph needs dark pixels (luminance 128 or less) to show at all when disabled.

Output: 16-colour (4 bits per pixel, BI_RGB) bottom-up BMP files with the standard palette,
byte for byte the same for the same input: ICO0.bmp ... ICO15.bmp, and TOOLGLYPHS.bmp, a
strip of 16 × 16 frames: the glyphs in GLYPHS order, then their disabled looks.

Usage: make_icons.py [--source DIR] [--glyphs DIR] OUTPUT_DIR
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

# The tool buttons from left to right; their order is the frame order of the strip.
GLYPHS = ["back", "forward", "up", "dircopy", "dirpaste", "cut", "copy", "paste"]
GREY = 8
WHITE = 15

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


def is_dark(index):
    red, green, blue = PALETTE[index]
    return index != LEGEND[KEY] and (299 * red + 587 * green + 114 * blue) // 1000 <= 128


def read_glyph(path):
    """A tool button glyph; IconError when it leaves no room for its disabled look."""
    rows = read_picture(path)
    if any(row[-1] != LEGEND[KEY] for row in rows) or any(i != LEGEND[KEY] for i in rows[-1]):
        raise IconError(f"{path}: the last line and the last column must be key {KEY!r}")
    if not any(is_dark(i) for row in rows for i in row):
        raise IconError(f"{path}: no dark pixel, so the disabled look would be empty")
    return rows


def disabled_look(rows):
    """The dark pixels in grey over their white shadow; everything else key."""
    out = [[LEGEND[KEY]] * SIZE for _ in range(SIZE)]
    dark = [(y, x) for y in range(SIZE) for x in range(SIZE) if is_dark(rows[y][x])]
    for y, x in dark:
        out[y + 1][x + 1] = WHITE
    for y, x in dark:
        out[y][x] = GREY
    return out


def strip(pictures):
    """The pictures side by side, as one picture's rows."""
    return [sum((picture[y] for picture in pictures), []) for y in range(SIZE)]


def bitmap_bytes(rows):
    """A 4-bit BI_RGB bottom-up BMP file of the rows."""
    width = len(rows[0])
    stride = (width * 4 + 31) // 32 * 4
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
        width,
        len(rows),  # positive: bottom-up
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
    resources = pathlib.Path(__file__).resolve().parent.parent / "resources"
    parser = argparse.ArgumentParser(description="Build the list image and glyph bitmaps.")
    parser.add_argument("--source", type=pathlib.Path, default=resources / "icons",
                        help="folder of ICO0.txt ... ICO15.txt")
    parser.add_argument("--glyphs", type=pathlib.Path, default=resources / "glyphs",
                        help="folder of the tool button glyphs")
    parser.add_argument("output", type=pathlib.Path,
                        help="folder for ICO0.bmp ... ICO15.bmp and TOOLGLYPHS.bmp")
    args = parser.parse_args(argv)

    # Check every picture before writing any, so a mistake leaves no half-new set behind.
    try:
        pictures = [read_picture(args.source / f"ICO{i}.txt") for i in range(COUNT)]
        glyphs = [read_glyph(args.glyphs / f"{name}.txt") for name in GLYPHS]
    except (IconError, OSError) as error:
        print(f"make_icons: {error}", file=sys.stderr)
        return 1
    args.output.mkdir(parents=True, exist_ok=True)
    for i, rows in enumerate(pictures):
        (args.output / f"ICO{i}.bmp").write_bytes(bitmap_bytes(rows))
    frames = glyphs + [disabled_look(rows) for rows in glyphs]
    (args.output / "TOOLGLYPHS.bmp").write_bytes(bitmap_bytes(strip(frames)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
