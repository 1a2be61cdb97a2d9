#!/usr/bin/python3
"""Writes the TrueType files the tests preview and install, made with fontTools.

  make_fonts.py FILE FAMILY KIND [FILE FAMILY KIND ...]
  make_fonts.py --bench FOLDER COUNT     COUNT fonts "Bench Face 0000"... as FOLDER/bench0000.ttf

KIND says what the font declares, as real fonts differ: western (code page 1252 only), cyrillic
(1252 and 1251, with Cyrillic letters), nocp (an old OS/2 table that claims no code page at all),
japanese (1252 and 932, with a few kanji), symbol (a symbol cmap, glyphs in the private use area,
no Latin letters); broken-empty, broken-random, broken-cut, broken-text and broken-offsets write
files named *.ttf that are no usable font. Every font of one call draws its letters in a style of
its own (blocks, dots, diamonds, bars...), so no two of them look alike.
"""
import io
import random
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

# 5 x 7 bitmaps, one base-32 digit per row (top first, high bit left): A-Z, then 0-9.
BITMAPS = ("ehhvhhh uhhuhhu ehggghe uhhhhhu vgguggv vgguggg ehgnhhf hhhvhhh e44444e 72222ic "
           "hikokih ggggggv hrllhhh hpljhhh ehhhhhe uhhuggg ehhhlid uhhukih fgge11u v444444 "
           "hhhhhhe hhhhha4 hhhllla hha4ahh hha4444 v1248gv ehjlphe 4c4444e eh1248v v2421he "
           "26aiv22 vgu11he 68guhhe v124888 ehhehhe ehhf12c").split()
LETTERS = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
CYRILLIC = {0x410: "A", 0x412: "B", 0x415: "E", 0x41A: "K", 0x41C: "M", 0x41D: "H", 0x41E: "O",
            0x420: "P", 0x421: "C", 0x422: "T", 0x425: "X", 0x430: "A", 0x435: "E", 0x43E: "O"}
KANJI = {0x65E5: "O", 0x672C: "T", 0x8A9E: "H"}
CODE_PAGES = {"western": 1 << 0, "cyrillic": 1 << 0 | 1 << 2, "japanese": 1 << 0 | 1 << 17,
              "symbol": 1 << 31}
CELL, ADVANCE = 100, 640


def cell_shape(style, x, y, size):
    """The outline of one lit cell, clockwise, in one of eight styles."""
    s, i = size, size // 5
    shapes = [
        [(x, y), (x, y + s + 1), (x + s + 1, y + s + 1), (x + s + 1, y)],  # solid blocks
        [(x + i, y + i), (x + i, y + s - i), (x + s - i, y + s - i), (x + s - i, y + i)],  # dots
        [(x, y + s // 2), (x + s // 2, y + s), (x + s, y + s // 2), (x + s // 2, y)],  # diamonds
        [(x, y + 2 * i), (x, y + s - i), (x + s + 1, y + s - i), (x + s + 1, y + 2 * i)],  # bars
        [(x + 2 * i, y), (x + 2 * i, y + s + 1), (x + s - i, y + s + 1), (x + s - i, y)],  # posts
        [(x, y), (x + i, y + s + 1), (x + s + i + 1, y + s + 1), (x + s + 1, y)],  # slanted
        [(x, y + i), (x, y + s - i), (x + i, y + s), (x + s - i, y + s), (x + s, y + s - i),
         (x + s, y + i), (x + s - i, y), (x + i, y)],  # octagons
        [(x, y), (x, y + s // 2), (x + s + 1, y + s + 1), (x + s + 1, y + s // 2)],  # wedges
    ]
    return shapes[style % len(shapes)]


def glyph(bitmap, style, scale):
    pen, size = TTGlyphPen(None), CELL * scale // 10
    for row, digit in enumerate(bitmap):
        bits = int(digit, 32)
        for col in range(5):
            if bits & (16 >> col):
                points = cell_shape(style, 60 + col * size, (6 - row) * size, size)
                pen.moveTo(points[0])
                for point in points[1:]:
                    pen.lineTo(point)
                pen.closePath()
    return pen.glyph()


def build(family, kind, style):
    glyphs = {".notdef": TTGlyphPen(None).glyph(), "space": TTGlyphPen(None).glyph()}
    cmap = {}
    symbol = kind == "symbol"
    for letter, bitmap in zip(LETTERS, BITMAPS):
        glyphs[letter] = glyph(bitmap, style, 10)
        if not symbol and letter.isalpha():
            glyphs[letter.lower()] = glyph(bitmap, style, 7)
            cmap[ord(letter.lower())] = letter.lower()
        cmap[0xF000 + ord(letter) if symbol else ord(letter)] = letter
    cmap[0xF020 if symbol else 0x20] = "space"
    for code, letter in {**(CYRILLIC if kind == "cyrillic" else {}),
                         **(KANJI if kind == "japanese" else {})}.items():
        cmap[code] = letter
    fb = FontBuilder(1000, isTTF=True)
    fb.setupGlyphOrder(list(glyphs))
    fb.setupCharacterMap(cmap)
    if symbol:  # only the Windows symbol encoding
        fb.font["cmap"].tables = [t for t in fb.font["cmap"].tables if t.platformID == 3]
        fb.font["cmap"].tables[0].platEncID = 0
    fb.setupGlyf(glyphs)
    fb.setupHorizontalMetrics({name: (ADVANCE if name != ".notdef" else 500, 0) for name in glyphs})
    fb.setupHorizontalHeader(ascent=800, descent=-200)
    fb.setupNameTable({"familyName": family, "styleName": "Regular"}, mac=False)
    if kind == "nocp":
        fb.setupOS2(version=0, sTypoAscender=800, sTypoDescender=-200, usWinAscent=800,
                    usWinDescent=200, ulUnicodeRange1=0)
    else:
        fb.setupOS2(sTypoAscender=800, sTypoDescender=-200, usWinAscent=800, usWinDescent=200,
                    ulCodePageRange1=CODE_PAGES[kind])
    fb.setupPost()
    out = io.BytesIO()
    fb.save(out)
    return out.getvalue()


def broken(kind):
    good = build("Qzx Broken Source", "western", 0)
    lying = bytearray(good)  # every table's offset points far past the end of the file
    for i in range(int.from_bytes(good[4:6], "big")):
        lying[20 + 16 * i: 24 + 16 * i] = b"\x7f\xff\xff\x00"
    return {"broken-empty": b"", "broken-text": b"This is not a font.\r\n" * 20,
            "broken-random": random.Random(7).randbytes(4096), "broken-cut": good[: len(good) // 3],
            "broken-offsets": bytes(lying)}[kind]


def main(args):
    if args[:1] == ["--bench"]:
        folder, count = args[1], int(args[2])
        for i in range(count):
            with open(f"{folder}/bench{i:04}.ttf", "wb") as out:
                out.write(build(f"Bench Face {i:04}", "western", i))
        return
    for style, (path, family, kind) in enumerate(zip(args[::3], args[1::3], args[2::3])):
        with open(path, "wb") as out:
            out.write(broken(kind) if kind.startswith("broken-") else build(family, kind, style))


if __name__ == "__main__":
    main(sys.argv[1:])
