#!/usr/bin/env python3
"""Generates the built-in artwork of ぽこみ and the sample illustrations.

    python3 tools/artgen/generate.py [--preview DIR]

Writes res/icons/*.ico, res/bitmaps/*.bmp (the clock's and the message
window's and about box's pictures also as *_2x.bmp, drawn twice as large for
high-DPI screens), res/artwork.rc and, in dat/,
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
LARGE = 2   # scale of the pictures for screens at 150 % and more
RES = os.path.join(ROOT, "res")
DAT = os.path.join(ROOT, "dat")


class Output:
    """Collects written files and the lines of the resource script."""

    def __init__(self):
        self.icon_lines = []
        self.bitmap_lines = []
        self.large_lines = []
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

    def large_bitmap(self, macro, name, data):
        """The LARGE rendering of the bitmap macro/name."""
        macro, name = "%s_%dX" % (macro, LARGE), "%s_%dx" % (name, LARGE)
        self.write(os.path.join(RES, "bitmaps", name + ".bmp"), data)
        self.large_lines.append((macro, "bitmaps/%s.bmp" % name))

    def resource_script(self):
        lines = ["// Icons and bitmaps of the clock, made by tools/artgen/generate.py (do not edit by hand).",
                 "// Included from pokomi.rc after resource.h; file names are relative to res/.", ""]
        width = max(len(m) for m, _ in self.icon_lines + self.bitmap_lines)
        for macro, path in self.icon_lines:
            lines.append('%s ICON "%s"' % (macro.ljust(width), path))
        lines.append("")
        for macro, path in self.bitmap_lines:
            lines.append('%s BITMAP "%s"' % (macro.ljust(width), path))
        if self.large_lines:
            lines += ["", "// The same pictures drawn twice as large, for screens at 150 % and more."]
            large_width = max(len(m) for m, _ in self.large_lines)
            for macro, path in self.large_lines:
                lines.append('%s BITMAP "%s"' % (macro.ljust(large_width), path))
        self.write(os.path.join(RES, "artwork.rc"), ("\n".join(lines) + "\n").encode("ascii"))


def _rgba_rows(cv):
    return [[cv.get(x, y) for x in range(cv.w)] for y in range(cv.h)]


def make_icons(out):
    for macro, name, fn in icons.ICONS:
        out.icon(macro, name, fn)


def clock_glyphs(scale):
    """(macro, file name, BMP bytes) of the weekday and date glyphs."""
    for macro, name, kanji, ink in glyphs.WEEKDAYS:
        yield macro, name, fileio.bmp24(glyphs.weekday(kanji, ink, scale).rgb_rows())
    for macro, name, d in glyphs.DIGITS:
        yield macro, name, fileio.bmp24(glyphs.digit(d, scale).rgb_rows())
    yield "IDB_DATE_SEPARATOR", "date_separator", fileio.bmp24(glyphs.separator(scale).rgb_rows())


def message_pictures(scale):
    """(macro, file name, BMP bytes) of the message window's corners, close glyph and character."""
    for macro, name, rows in pictures.corners(scale):
        yield macro, name, fileio.bmp_indexed(rows, pictures.CORNER_PALETTE, 4)
    rows, palette = pictures.message_close(scale)
    yield "IDB_MESSAGE_CLOSE", "message_close", fileio.bmp_indexed(rows, palette, 4)
    rows, palette = pictures.character(scale)
    yield "IDB_CHARACTER", "character", fileio.bmp_indexed(rows, palette, 8)


def about_pictures(scale):
    yield "IDB_ABOUT_TITLE", "about_title", fileio.bmp24(pictures.about_title(scale).rgb_rows())
    yield "IDB_ABOUT_LINK", "about_link", fileio.bmp24(pictures.about_link(scale).rgb_rows())


def make_clock_glyphs(out):
    for item in clock_glyphs(1):
        out.bitmap(*item)
    out.bitmap("IDB_FALLBACK_ILLUSTRATION", "fallback_illustration",
               fileio.bmp24(scenes.fallback().rgb_rows()))


def make_dialog_pictures(out):
    for item in message_pictures(1):
        out.bitmap(*item)
    for macro, name, fn in (("IDB_WIZARD_PAGE1", "wizard_page1", pictures.wizard_page1),
                            ("IDB_WIZARD_PAGE2", "wizard_page2", pictures.wizard_page2),
                            ("IDB_WIZARD_PAGE3", "wizard_page3", pictures.wizard_page3)):
        rows, palette = fileio.quantise(fn().rgb_rows(), 256)
        out.bitmap(macro, name, fileio.bmp_indexed(rows, palette, 8))
    rows, palette = pictures.logo()
    out.bitmap("IDB_OPTION_PICTURE", "option_picture", fileio.bmp_indexed(rows, palette, 4))
    for item in about_pictures(1):
        out.bitmap(*item)


def make_large_bitmaps(out):
    """The pictures the program shows at screen resolution, drawn anew at LARGE
    scale; the illustrations, the wizard pages and the option picture have none."""
    for group in (clock_glyphs, message_pictures, about_pictures):
        for item in group(LARGE):
            out.large_bitmap(*item)


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
    make_large_bitmaps(out)
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
