#!/usr/bin/env python3
"""The font and the help file that the build puts beside the desktop program.

TOLA.TTF: the family "TOLA", every character of the code page one cell wide, and the codes
165 and 166 showing the left and the right arrow. KV41.qch: every page of the help source in
it, each in the contents, and an index with more entries than pages.

    program_files_check.py PROGRAM_DIR HELP_SOURCE_DIR
"""
import pathlib
import sqlite3
import sys

from fontTools.ttLib import TTFont


def check_font(path):
    font = TTFont(path)
    family = font["name"].getDebugName(1)
    if family != "TOLA":
        return [f"{path}: family {family!r}, not 'TOLA'"]
    cmap = font.getBestCmap()
    width = font["hmtx"][cmap[ord("W")]][0]
    faults = [f"{path}: character {code} is not one cell wide" for code in range(32, 256)
              if code in cmap and font["hmtx"][cmap[code]][0] != width]
    if cmap.get(165) != cmap.get(0x2190) or cmap.get(166) != cmap.get(0x2192):
        faults.append(f"{path}: 165 and 166 are not the left and right arrows")
    if cmap.get(165) == cmap.get(166):
        faults.append(f"{path}: 165 and 166 show the same glyph")
    return faults


def check_help(path, source):
    pages = sorted(p.name for p in source.glob("*.html"))
    db = sqlite3.connect(path)
    files = {name for (name,) in db.execute("select Name from FileNameTable")}
    contents = b"".join(data for (data,) in db.execute("select Data from ContentsTable"))
    contents = contents.decode("utf-16-be", errors="replace")
    index = db.execute("select count(*) from IndexTable").fetchone()[0]
    faults = [f"{path}: {page} missing" for page in pages if page not in files]
    faults += [f"{path}: {page} not in the contents" for page in pages if page not in contents]
    if not pages or index <= len(pages):
        faults.append(f"{path}: {index} index entries for {len(pages)} pages")
    return faults


def main():
    program, source = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    faults = check_font(program / "TOLA.TTF") + check_help(program / "KV41.qch", source)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
