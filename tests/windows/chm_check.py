#!/usr/bin/env python3
"""The compiled help file: every page help/N.html is in it with its title, and topic N (the
context id that HtmlHelp's HH_HELP_CONTEXT takes) leads to that page by its name in the file.

    chm_check.py KV41.CHM HELP_DIR   (reads the file with chmls, of fp-utils)"""
import pathlib
import re
import struct
import subprocess
import sys

from check_report import finish
import tempfile


def extract(chm, name, directory):
    target = pathlib.Path(directory) / (name.strip("/").replace("#", "_") or "x")
    subprocess.run(["chmls", "extract", chm, name, str(target)], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return target.read_bytes() if target.exists() else None


def main():
    chm, help_dir = sys.argv[1], pathlib.Path(sys.argv[2])
    failures = []
    with tempfile.TemporaryDirectory() as scratch:
        ivb, strings = extract(chm, "/#IVB", scratch), extract(chm, "/#STRINGS", scratch)
        if not ivb or not strings:
            sys.exit(f"{chm}: no context table (#IVB, #STRINGS)")
        size = struct.unpack_from("<I", ivb)[0]
        contexts = {}
        for at in range(4, min(4 + size, len(ivb)) - 7, 8):
            context, offset = struct.unpack_from("<II", ivb, at)
            contexts[context] = strings[offset:strings.index(b"\0", offset)].decode("utf-8")
        pages = sorted(help_dir.glob("*.html"))
        for page in pages:
            title = re.search(r"<title>(.*?)</title>", page.read_text(encoding="utf-8")).group(1)
            inside = extract(chm, "/" + page.name, scratch)
            if inside is None or f"<title>{title}</title>".encode() not in inside:
                failures.append(f"{page.name} is not in the help file with its title")
            if page.stem.isdigit() and contexts.get(int(page.stem)) != "/" + page.name:
                failures.append(f"topic {page.stem} leads to {contexts.get(int(page.stem))!r}, "
                                f"not /{page.name}")
    finish(failures, f"{len(pages)} pages")


if __name__ == "__main__":
    main()
