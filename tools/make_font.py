#!/usr/bin/env python3
"""Builds the panel font TOLA.TTF from DejaVu Sans Mono.

Every glyph gets the advance width of "W", so that text advances by whole cells; the codes 165
and 166 of the game's code page show a left and a right arrow; the family is named "TOLA", as
the font's licence asks of a changed font. The licence text, taken from the source font itself,
is written beside the result.

    make_font.py SOURCE.ttf TOLA.TTF LICENCE.txt
"""
import sys

from fontTools.ttLib import TTFont

FAMILY = "TOLA"
SUBFAMILY = "Regular"
ARROWS = {165: 0x2190, 166: 0x2192}  # game code -> the Unicode arrow whose glyph it shows
# Tables of per-size advance widths and kerning, which no longer fit a font of one width.
DROPPED_TABLES = ("hdmx", "LTSH", "VDMX", "kern")
COPYRIGHT = 0
LICENCE = 13


def make_font(source, target):
    font = TTFont(source)
    cmap = font.getBestCmap()
    width = font["hmtx"][cmap[ord("W")]][0]
    metrics = font["hmtx"].metrics
    for glyph, (_, left_bearing) in list(metrics.items()):
        metrics[glyph] = (width, left_bearing)
    font["hhea"].advanceWidthMax = width
    font["OS/2"].xAvgCharWidth = width
    font["post"].isFixedPitch = 1

    for code, arrow in ARROWS.items():
        if arrow not in cmap:
            raise SystemExit(f"{source} has no glyph for U+{arrow:04X}")
        for table in font["cmap"].tables:
            if table.isUnicode():
                table.cmap[code] = cmap[arrow]

    names = font["name"]
    for record in list(names.names):
        if record.nameID in (1, 3, 4, 16, 21):
            names.setName(FAMILY, record.nameID, record.platformID, record.platEncID, record.langID)
        elif record.nameID in (2, 17, 22):
            names.setName(SUBFAMILY, record.nameID, record.platformID, record.platEncID,
                          record.langID)
        elif record.nameID == 6:
            names.setName(FAMILY, 6, record.platformID, record.platEncID, record.langID)
        elif record.nameID == COPYRIGHT:
            text = record.toUnicode().rstrip()
            names.setName(text + "\nTOLA: DejaVu Sans Mono with every glyph one width and arrows "
                          "at 165 and 166.", COPYRIGHT, record.platformID, record.platEncID,
                          record.langID)
    for tag in DROPPED_TABLES:
        if tag in font:
            del font[tag]
    font.save(target)
    return names.getDebugName(LICENCE) or ""


def main():
    if len(sys.argv) != 4:
        raise SystemExit(__doc__)
    source, target, licence = sys.argv[1:]
    text = make_font(source, target)
    if not text:
        raise SystemExit(f"{source} carries no licence text")
    with open(licence, "w", encoding="utf-8") as out:
        out.write("TOLA.TTF is DejaVu Sans Mono, changed: every glyph has the width of \"W\",\n"
                  "the codes 165 and 166 show arrows, and the family is renamed TOLA.\n\n")
        out.write(text.strip() + "\n")


if __name__ == "__main__":
    main()
