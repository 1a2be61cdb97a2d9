#!/usr/bin/python3
"""Writes the TrueType files the tests and the benchmark use, made with fontTools.

  make_fonts.py FILE FAMILY KIND [FILE FAMILY KIND ...]
  make_fonts.py --bench FOLDER COUNT     COUNT fonts "Bench Face 0000"... as FOLDER/bench0000.ttf
  make_fonts.py --damaged FOLDER COUNT   COUNT damaged copies of one font as FOLDER/damaged000.ttf...:
                                         cut at many lengths, bytes overwritten at many places

KIND is what the font declares, as real fonts differ: western (code page 1252 only), cyrillic
(1252 and 1251, with Cyrillic letters), nocp (an old OS/2 table without code pages), japanese
(1252 and 932, with kanji), symbol (a symbol cmap, glyphs in the private use area, no Latin);
broken-empty, broken-random, broken-cut and broken-offsets are *.ttf files that are no font.
A FAMILY written "Family/Style" (Regular, Bold, Italic or Bold Italic) is one style of a family
as real families declare it: its full and PostScript names, weight class, selection flags and
Mac style; a plain FAMILY names its family and "Regular" only, as some old fonts do.
The fonts of one call each draw their letters in a style of their own: no two look alike.
"""
import io
import os
import random
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

# 5 x 7 bitmaps of A-Z, one base-32 digit per row (top first, high bit left).
BITMAPS = ("ehhvhhh uhhuhhu ehggghe uhhhhhu vgguggv vgguggg ehgnhhf hhhvhhh e44444e 72222ic "
           "hikokih ggggggv hrllhhh hpljhhh ehhhhhe uhhuggg ehhhlid uhhukih fgge11u v444444 "
           "hhhhhhe hhhhha4 hhhllla hha4ahh hha4444 v1248gv").split()
CYRILLIC = {0x410: "A", 0x412: "B", 0x415: "E", 0x41A: "K", 0x41C: "M", 0x41D: "H", 0x41E: "O"}
KANJI = {0x65E5: "O", 0x672C: "T", 0x8A9E: "H"}
CODE_PAGES = {"western": 1, "cyrillic": 1 | 1 << 2, "japanese": 1 | 1 << 17, "symbol": 1 << 31}


def cell(style, x, y, s):
    """One lit cell, clockwise: a block, a dot, a diamond, a bar, a post or a slanted block."""
    i, h = s // 5, s // 2
    return [[(x, y), (x, y + s), (x + s, y + s), (x + s, y)],
            [(x + i, y + i), (x + i, y + s - i), (x + s - i, y + s - i), (x + s - i, y + i)],
            [(x, y + h), (x + h, y + s), (x + s, y + h), (x + h, y)],
            [(x, y + 2 * i), (x, y + s - i), (x + s, y + s - i), (x + s, y + 2 * i)],
            [(x + 2 * i, y), (x + 2 * i, y + s), (x + s - i, y + s), (x + s - i, y)],
            [(x, y), (x + i, y + s), (x + s + i, y + s), (x + s, y)]][style % 6]


def glyph(bitmap, style, size):
    pen = TTGlyphPen(None)
    for row, digit in enumerate(bitmap):
        for col in range(5):
            if int(digit, 32) & (16 >> col):
                points = cell(style, 60 + col * size, (6 - row) * size, size)
                pen.moveTo(points[0])
                for point in points[1:]:
                    pen.lineTo(point)
                pen.closePath()
    return pen.glyph()


def names(family):
    """The name table's strings and the style's weight class, selection flags and Mac style."""
    family, _, style = family.partition("/")
    if not style:
        return {"familyName": family, "styleName": "Regular"}, 400, 0, 0
    bold, italic = "Bold" in style, "Italic" in style
    strings = {"familyName": family, "styleName": style, "fullName": f"{family} {style}",
               "psName": f"{family}-{style}".replace(" ", "")}
    selection = (0x20 if bold else 0) | (0x01 if italic else 0) or 0x40
    return strings, 700 if bold else 400, selection, (1 if bold else 0) | (2 if italic else 0)


def build(family, kind, style):
    symbol = kind == "symbol"
    strings, weight, selection, mac_style = names(family)
    glyphs = {".notdef": TTGlyphPen(None).glyph(), "space": TTGlyphPen(None).glyph()}
    cmap = {0xF020 if symbol else 0x20: "space"}
    for code, bitmap in zip(range(ord("A"), ord("Z") + 1), BITMAPS):
        glyphs[chr(code)], glyphs[chr(code + 32)] = glyph(bitmap, style, 100), glyph(bitmap, style, 70)
        cmap.update({0xF000 + code: chr(code)} if symbol else {code: chr(code), code + 32: chr(code + 32)})
    cmap.update({**(CYRILLIC if kind == "cyrillic" else {}), **(KANJI if kind == "japanese" else {})})
    fb = FontBuilder(1000, isTTF=True)
    fb.setupGlyphOrder(list(glyphs))
    fb.setupCharacterMap(cmap)
    if symbol:  # only the Windows symbol encoding
        fb.font["cmap"].tables = [t for t in fb.font["cmap"].tables if t.platformID == 3]
        fb.font["cmap"].tables[0].platEncID = 0
    fb.setupGlyf(glyphs)
    fb.setupHorizontalMetrics({name: (640, 0) for name in glyphs})
    fb.setupHorizontalHeader(ascent=800, descent=-200)
    fb.setupNameTable(strings, mac=False)
    fb.font["head"].macStyle = mac_style
    metrics = dict(sTypoAscender=800, sTypoDescender=-200, usWinAscent=800, usWinDescent=200,
                   usWeightClass=weight, fsSelection=selection)
    if kind == "nocp":
        fb.setupOS2(version=0, ulUnicodeRange1=0, **metrics)
    else:
        fb.setupOS2(ulCodePageRange1=CODE_PAGES[kind], **metrics)
    fb.setupPost()
    out = io.BytesIO()
    fb.save(out)
    return out.getvalue()


def broken(kind):
    good = build("Qzx Broken Source", "western", 0)
    lying = bytearray(good)  # every table's offset points far past the end of the file
    for i in range(int.from_bytes(good[4:6], "big")):
        lying[20 + 16 * i: 24 + 16 * i] = b"\x7f\xff\xff\x00"
    return {"broken-empty": b"", "broken-random": random.Random(7).randbytes(4096),
            "broken-cut": good[: len(good) // 3], "broken-offsets": bytes(lying)}[kind]


def damaged(count):
    """Copies of one font, each cut somewhere, or with bytes overwritten here and there (the table
    directory among them), or both; the same copies on every run."""
    good = build("Qzx Damaged", "western", 0)
    for i in range(count):
        rng = random.Random(i)
        copy = bytearray(good)
        if i % 10 == 0:  # every table's offset far past the end, and nothing else
            for table in range(int.from_bytes(good[4:6], "big")):
                copy[20 + 16 * table: 24 + 16 * table] = b"\x7f\xff\xff\x00"
            yield bytes(copy)
            continue
        if i % 3 != 1:  # overwritten
            for _ in range(rng.randint(1, 40)):
                at = rng.randrange(12 + 16 * 12 if i % 2 else len(copy))
                copy[at] = rng.randrange(256)
        if i % 3 != 0:  # cut
            del copy[rng.randrange(1, len(copy)):]
        yield bytes(copy)


def main(args):
    if args[:1] == ["--damaged"]:
        os.makedirs(args[1], exist_ok=True)
        for i, copy in enumerate(damaged(int(args[2]))):
            with open(f"{args[1]}/damaged{i:03}.ttf", "wb") as out:
                out.write(copy)
        return
    if args[:1] == ["--bench"]:
        for i in range(int(args[2])):
            with open(f"{args[1]}/bench{i:04}.ttf", "wb") as out:
                out.write(build(f"Bench Face {i:04}", "western", i))
        return
    for style, (path, family, kind) in enumerate(zip(args[::3], args[1::3], args[2::3])):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as out:
            out.write(broken(kind) if kind.startswith("broken-") else build(family, kind, style))


if __name__ == "__main__":
    main(sys.argv[1:])
