#!/usr/bin/env python3
"""Generates the built-in artwork of ぽこみ and the sample illustrations.

    python3 tools/artgen/generate.py [--preview DIR]

Writes res/icons/*.ico, res/bitmaps/*.bmp, res/artwork.rc and, in dat/,
bitmap0.bmp ... bitmap4.bmp, Illust.ini and Show.ini. With --preview it also
writes a contact sheet and clock-window mock-ups as PNG files into DIR.
Needs Python 3 and ImageMagick's convert with the IPA and Liberation fonts
(tools/setup.sh installs them). The output is committed; the build does not
run this.
"""
import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True
sys.path.insert(0, HERE)

import fileio  # noqa: E402
import glyphs  # noqa: E402
import icons  # noqa: E402
import pictures  # noqa: E402
import scenes  # noqa: E402

ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
RES = os.path.join(ROOT, "res")
DAT = os.path.join(ROOT, "dat")


class Output:
    """Collects written files and the lines of the resource script."""

    def __init__(self):
        self.icon_lines = []
        self.bitmap_lines = []
        self.files = []

    def write(self, path, data):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
        self.files.append(os.path.relpath(path, ROOT))

    def icon(self, macro, name, fn):
        images = [(size, _rgba_rows(icons.render(fn, size))) for size in (16, 32)]
        self.write(os.path.join(RES, "icons", name + ".ico"), fileio.ico(images))
        self.icon_lines.append((macro, "icons/%s.ico" % name))

    def bitmap(self, macro, name, data):
        self.write(os.path.join(RES, "bitmaps", name + ".bmp"), data)
        self.bitmap_lines.append((macro, "bitmaps/%s.bmp" % name))

    def resource_script(self):
        lines = ["// Icons and bitmaps of the clock, made by tools/artgen/generate.py (do not edit by hand).",
                 "// Included from pokomi.rc after resource.h; file names are relative to res/.", ""]
        width = max(len(m) for m, _ in self.icon_lines + self.bitmap_lines)
        for macro, path in self.icon_lines:
            lines.append('%s ICON "%s"' % (macro.ljust(width), path))
        lines.append("")
        for macro, path in self.bitmap_lines:
            lines.append('%s BITMAP "%s"' % (macro.ljust(width), path))
        self.write(os.path.join(RES, "artwork.rc"), ("\n".join(lines) + "\n").encode("ascii"))


def _rgba_rows(cv):
    return [[cv.get(x, y) for x in range(cv.w)] for y in range(cv.h)]


def make_icons(out):
    for macro, name, fn in icons.ICONS:
        out.icon(macro, name, fn)


def make_clock_glyphs(out):
    for macro, name, kanji, ink in glyphs.WEEKDAYS:
        out.bitmap(macro, name, fileio.bmp24(glyphs.weekday(kanji, ink).rgb_rows()))
    for macro, name, d in glyphs.DIGITS:
        out.bitmap(macro, name, fileio.bmp24(glyphs.digit(d).rgb_rows()))
    out.bitmap("IDB_DATE_SEPARATOR", "date_separator", fileio.bmp24(glyphs.separator().rgb_rows()))
    out.bitmap("IDB_FALLBACK_ILLUSTRATION", "fallback_illustration",
               fileio.bmp24(scenes.fallback().rgb_rows()))


def make_dialog_pictures(out):
    for macro, name, rows in pictures.corners():
        out.bitmap(macro, name, fileio.bmp_indexed(rows, pictures.CORNER_PALETTE, 4))
    rows, palette = pictures.message_close()
    out.bitmap("IDB_MESSAGE_CLOSE", "message_close", fileio.bmp_indexed(rows, palette, 4))
    rows, palette = pictures.character()
    out.bitmap("IDB_CHARACTER", "character", fileio.bmp_indexed(rows, palette, 8))
    for macro, name, fn in (("IDB_WIZARD_PAGE1", "wizard_page1", pictures.wizard_page1),
                            ("IDB_WIZARD_PAGE2", "wizard_page2", pictures.wizard_page2),
                            ("IDB_WIZARD_PAGE3", "wizard_page3", pictures.wizard_page3)):
        rows, palette = fileio.quantise(fn().rgb_rows(), 256)
        out.bitmap(macro, name, fileio.bmp_indexed(rows, palette, 8))
    rows, palette = pictures.logo()
    out.bitmap("IDB_OPTION_PICTURE", "option_picture", fileio.bmp_indexed(rows, palette, 4))
    out.bitmap("IDB_ABOUT_TITLE", "about_title", fileio.bmp24(pictures.about_title().rgb_rows()))
    out.bitmap("IDB_ABOUT_LINK", "about_link", fileio.bmp24(pictures.about_link().rgb_rows()))


def make_data_folder(out):
    names = []
    for i, (name, fn) in enumerate(scenes.SCENES):
        out.write(os.path.join(DAT, "bitmap%d.bmp" % i), fileio.bmp24(fn().rgb_rows()))
        names.append(name)
    out.write(os.path.join(DAT, "Illust.ini"), "".join(n + "\r\n" for n in names).encode("cp932"))
    out.write(os.path.join(DAT, "Show.ini"), b"1\r\n" * len(names))


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--preview", metavar="DIR", help="also write PNG previews into DIR")
    args = parser.parse_args(argv)
    out = Output()
    make_icons(out)
    make_clock_glyphs(out)
    make_dialog_pictures(out)
    out.resource_script()
    make_data_folder(out)
    for path in out.files:
        print(path)
    if args.preview:
        import preview
        for path in preview.write_all(args.preview, ROOT):
            print("preview:", path)
    return 0


if __name__ == "__main__":
    sys.exit(main())
