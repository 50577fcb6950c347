#!/usr/bin/env python3
"""Writes the HTML Help project of the game's help from the Qt help project beside the pages.

    make_chm_project.py HELP_DIR OUT_DIR

HELP_DIR holds the pages (NNN.html, opened as topic NNN), style.css and kv41.qhp, whose contents
and index are the help file's. OUT_DIR receives a copy of the pages and KV41.hhp (with the topic
numbers as context ids: [MAP] gives each number a name, [ALIAS] the name its page), KV41.hhc
(contents) and KV41.hhk (index), ready for chmcmd, which writes KV41.chm there."""
import html
import pathlib
import re
import shutil
import sys
import xml.etree.ElementTree as ET


def sitemap_item(title, ref, indent):
    pad = "  " * indent
    return (f'{pad}<LI><OBJECT type="text/sitemap">\n'
            f'{pad}  <param name="Name" value="{html.escape(title)}">\n'
            f'{pad}  <param name="Local" value="{html.escape(ref)}">\n'
            f'{pad}</OBJECT>\n')


def contents(section, indent):
    text = sitemap_item(section.get("title"), section.get("ref"), indent)
    children = section.findall("section")
    if children:
        text += "  " * indent + "<UL>\n"
        text += "".join(contents(child, indent + 1) for child in children)
        text += "  " * indent + "</UL>\n"
    return text


def sitemap(body):
    return ('<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN">\n<HTML><HEAD></HEAD><BODY>\n'
            '<OBJECT type="text/site properties">\n'
            '  <param name="Window Styles" value="0x800025">\n</OBJECT>\n'
            f"<UL>\n{body}</UL>\n</BODY></HTML>\n")


def main():
    help_dir, out_dir = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    out_dir.mkdir(parents=True, exist_ok=True)
    project = ET.parse(help_dir / "kv41.qhp").getroot().find("filterSection")
    pages = sorted(p.name for p in help_dir.glob("*.html"))
    topics = sorted(int(m.group(1)) for m in (re.fullmatch(r"(\d+)\.html", p) for p in pages) if m)
    for name in pages + ["style.css"]:
        shutil.copyfile(help_dir / name, out_dir / name)

    toc = project.find("toc")
    (out_dir / "KV41.hhc").write_text(
        sitemap("".join(contents(s, 1) for s in toc.findall("section"))), encoding="utf-8")
    keywords = sorted(project.find("keywords").findall("keyword"),
                      key=lambda k: k.get("name").lower())
    (out_dir / "KV41.hhk").write_text(
        sitemap("".join(sitemap_item(k.get("name"), k.get("ref"), 1) for k in keywords)),
        encoding="utf-8")

    first = toc.find("section")
    lines = ["[OPTIONS]", "Compatibility=1.1 or later", "Compiled file=KV41.chm",
             "Contents file=KV41.hhc", "Index file=KV41.hhk",
             f"Default topic={first.get('ref')}", "Default Window=main", "Display compile progress=No",
             "Full-text search=Yes", "Language=0x809 English (United Kingdom)",
             "Title=Tarrock Junction Help", "", "[WINDOWS]",
             f'main="Tarrock Junction Help","KV41.hhc","KV41.hhk","{first.get("ref")}",'
             f'"{first.get("ref")}",,,,,0x23520,,0x387e,,,,,,,,0', "", "[FILES]"]
    lines += pages + ["style.css", "", "[ALIAS]"]
    lines += [f"IDH_{n}={n}.html" for n in topics]
    lines += ["", "[MAP]"]
    lines += [f"#define IDH_{n} {n}" for n in topics]
    (out_dir / "KV41.hhp").write_text("\r\n".join(lines) + "\r\n", encoding="utf-8")


if __name__ == "__main__":
    main()
