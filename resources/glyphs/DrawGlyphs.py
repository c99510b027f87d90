#!/usr/bin/env python3
"""Draws the button pictures of the glyph library and the check-box pictures.

Run from anywhere: writes resources/glyphs/GlyphRes_NNN.bmp (24-bit strips of
16 x 16 cells, the bottom-left pixel is the transparent colour) and
resources/checkbox/{CHECKED,UNCHECKED,GRAYED}.bmp (19 x 14, 16 colours).
The results are committed; run it again only after changing a drawing.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# One letter per pixel. '.' is the transparent background.
COLOURS = {
    '.': (255, 0, 255),   # fuchsia: transparent
    'k': (0, 0, 0),
    'w': (255, 255, 255),
    'g': (128, 128, 128),
    's': (192, 192, 192),
    'r': (255, 0, 0),
    'm': (128, 0, 0),
    'b': (0, 0, 255),
    'n': (0, 0, 128),
    'y': (255, 255, 0),
    'o': (128, 128, 0),
    'G': (0, 128, 0),
    'l': (0, 255, 0),
    't': (0, 128, 128),
    'a': (0, 255, 255),
    'p': (128, 0, 128),
}

# The 16-colour palette of the check-box pictures (the standard one).
PALETTE16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (128, 128, 128), (192, 192, 192), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

GLYPHS = {
    # 4: clear all rows of a selection panel (enabled cell; the disabled cell
    # is derived below).
    4: [
        "................",
        "..kk........kk..",
        "..krk......krk..",
        "...krk....krk...",
        "....krk..krk....",
        ".....krkkrk.....",
        "......krrk......",
        "......krrk......",
        ".....krkkrk.....",
        "....krk..krk....",
        "...krk....krk...",
        "..krk......krk..",
        "..kk........kk..",
        "................",
        "................",
        "................",
    ],
    # 8: default lookup (magnifier).
    8: [
        "................",
        "....kkkkk.......",
        "...kaaaaak......",
        "..kaawwaaak.....",
        "..kawwaaaak.....",
        "..kawaaaaak.....",
        "..kaaaaaaak.....",
        "..kaaaaaaak.....",
        "...kaaaaak......",
        "....kkkkkkk.....",
        "..........kkk...",
        "...........kkk..",
        "............kkk.",
        ".............kk.",
        "................",
        "................",
    ],
    # 9: date shortcut lookup (calendar sheet).
    9: [
        "................",
        "...k...k...k....",
        ".rrkrrrkrrrkrr..",
        ".rrrrrrrrrrrrr..",
        ".kkkkkkkkkkkkk..",
        ".kwwwwwwwwwwwk..",
        ".kwkkwkkwkkwwk..",
        ".kwwwwwwwwwwwk..",
        ".kwkkwkkwkkwwk..",
        ".kwwwwwwwwwwwk..",
        ".kwkkwkkwrrwwk..",
        ".kwwwwwwwwwwwk..",
        ".kwwwwwwwwwwwk..",
        ".kkkkkkkkkkkkk..",
        "................",
        "................",
    ],
    # 39: choose the users to notify (two people).
    39: [
        "................",
        "..........kkk...",
        "....kkk..kyyyk..",
        "...kyyyk.kyyyk..",
        "...kyyyk.kyyyk..",
        "...kyyyk..kkk...",
        "....kkk..kGGGk..",
        "...kbbbk.kGGGGk.",
        "..kbbbbbkkGGGGk.",
        "..kbbbbbkkGGGGk.",
        "..kbbbbbkkkkkkk.",
        "..kbbbbbk.......",
        "..kkkkkkk.......",
        "................",
        "................",
        "................",
    ],
    # 47: delete the selected rows (a red bar).
    47: [
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        "..kkkkkkkkkkkk..",
        "..krrrrrrrrrrk..",
        "..krrrrrrrrrrk..",
        "..kkkkkkkkkkkk..",
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
    ],
    # 68: item lookup of the report form (a box).
    68: [
        "................",
        "................",
        "......kkkk......",
        "....kkyyyykk....",
        "..kkyyyyyyyykk..",
        "..kokkyyyykkok..",
        "..koookkkkoook..",
        "..koooookooook..",
        "..koooookooook..",
        "..koooookooook..",
        "..koooookooook..",
        "..kkoooookookk..",
        "....kkoookkk....",
        "......kkkk......",
        "................",
        "................",
    ],
    # 81: note and sign-in lookups (a note with a pencil).
    81: [
        "................",
        "..kkkkkkkkk.....",
        "..kwwwwwwwk.....",
        "..kwkkkkwwk.....",
        "..kwwwwwwwk..kk.",
        "..kwkkkkkwk.kyk.",
        "..kwwwwwwwkkyk..",
        "..kwkkkkwwkyk...",
        "..kwwwwwwkyk....",
        "..kwkkkkwkkk....",
        "..kwwwwwwkkk....",
        "..kwwwwwwwwk....",
        "..kkkkkkkkkk....",
        "................",
        "................",
        "................",
    ],
}

CHECKBOXES = {
    "UNCHECKED": [
        "ggggggggggggw......",
        "gkkkkkkkkkksw......",
        "gkwwwwwwwwwsw......",
        "gkwwwwwwwwwsw......",
        "gkwwwwwwwwwsw......",
        "gkwwwwwwwwwsw......",
        "gkwwwwwwwwwsw......",
        "gkwwwwwwwwwsw......",
        "gkwwwwwwwwwsw......",
        "gkwwwwwwwwwsw......",
        "gkwwwwwwwwwsw......",
        "gsssssssssssw......",
        "wwwwwwwwwwwww......",
        "...................",
    ],
    "CHECKED": [
        "ggggggggggggw......",
        "gkkkkkkkkkksw......",
        "gkwwwwwwwwwsw......",
        "gkwwwwwwwkwsw......",
        "gkwwwwwwkkwsw......",
        "gkwkwwwkkkwsw......",
        "gkwkkwkkkwwsw......",
        "gkwkkkkkwwwsw......",
        "gkwwkkkwwwwsw......",
        "gkwwwkwwwwwsw......",
        "gkwwwwwwwwwsw......",
        "gsssssssssssw......",
        "wwwwwwwwwwwww......",
        "...................",
    ],
    "GRAYED": [
        "ggggggggggggw......",
        "gkkkkkkkkkksw......",
        "gkssssssssssw......",
        "gksssssssgssw......",
        "gkssssssggssw......",
        "gksgsssgggssw......",
        "gksggsgggsssw......",
        "gksgggggssssw......",
        "gkssgggsssssw......",
        "gksssgssssssw......",
        "gkssssssssssw......",
        "gsssssssssssw......",
        "wwwwwwwwwwwww......",
        "...................",
    ],
}


def fix_rows(rows, width):
    """Pads or cuts every row to the width (the drawings are typed by hand)."""
    return [(r + "." * width)[:width] for r in rows]


def disabled_cell(rows):
    """A grey copy of a cell: dark pixels grey, light pixels silver."""
    out = []
    for r in rows:
        line = ""
        for ch in r:
            if ch == '.':
                line += '.'
            else:
                red, green, blue = COLOURS[ch]
                line += 'g' if red + green + blue < 384 else 's'
        out.append(line)
    return out


def bmp_bytes_24(rows):
    height = len(rows)
    width = len(rows[0])
    stride = (width * 3 + 3) // 4 * 4
    pixels = b""
    for r in reversed(rows):
        line = b"".join(struct.pack("BBB", COLOURS[ch][2], COLOURS[ch][1], COLOURS[ch][0]) for ch in r)
        pixels += line + b"\0" * (stride - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 14 + 40) + header + pixels


def bmp_bytes_4(rows):
    height = len(rows)
    width = len(rows[0])
    stride = ((width * 4 + 31) // 32) * 4
    pixels = b""
    for r in reversed(rows):
        indices = [PALETTE16.index(COLOURS[ch]) for ch in r]
        if len(indices) % 2:
            indices.append(0)
        line = bytes((indices[i] << 4) | indices[i + 1] for i in range(0, len(indices), 2))
        pixels += line + b"\0" * (stride - len(line))
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in PALETTE16)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(pixels), 2835, 2835, 16, 16)
    offset = 14 + 40 + len(palette)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + header + palette + pixels


def main():
    for number, rows in GLYPHS.items():
        cell = fix_rows(rows, 16)
        assert len(cell) == 16, number
        if number == 4:  # two cells: enabled, disabled
            cell = [a + b for a, b in zip(cell, disabled_cell(cell))]
        with open(os.path.join(HERE, "GlyphRes_%03d.bmp" % number), "wb") as f:
            f.write(bmp_bytes_24(cell))
    boxes = os.path.join(os.path.dirname(HERE), "checkbox")
    os.makedirs(boxes, exist_ok=True)
    for name, rows in CHECKBOXES.items():
        picture = fix_rows(rows, 19)
        assert len(picture) == 14, name
        with open(os.path.join(boxes, name + ".bmp"), "wb") as f:
            f.write(bmp_bytes_4(picture))


if __name__ == "__main__":
    main()
