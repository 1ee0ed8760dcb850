"""Previews for checking the artwork by eye: a contact sheet of everything
and mock-ups of the clock window (illustration, weekday, date, hands)."""
import math

import glyphs
import icons
import raster as R
from palette import ORANGE, ORANGE_PALE, WHITE, WINDOW_W, WINDOW_H, CLOCK_X, CLOCK_Y

HAND_FILL = (179, 158, 93)
HAND_SHADOW = (59, 52, 31)
UNIT = WINDOW_W / 1000.0

# Date layouts by (month has two digits, day has two digits).
DATE_LAYOUT = {
    (True, True): [(52, 386), (66, 388), (80, 391), (89, 388), (103, 386)],
    (False, False): [None, (66, 388), (80, 391), None, (89, 388)],
    (True, False): [(59, 387), (73, 389), (87, 389), None, (96, 387)],
    (False, True): [None, (60, 387), (74, 389), (83, 389), (97, 387)],
}


def _to_px(x, y):
    return (CLOCK_X + x * UNIT, CLOCK_Y - y * UNIT)


def _hand(cv, length, k, angle):
    th = angle * 0.017453292
    tx, ty = int(length * math.sin(th)), int(length * math.cos(th))
    a, b = int(-tx / k), int(-ty / k)
    t, r, back, f = (tx, ty), (-b, a), (a, b), (b, -a)
    pts = [_to_px(*p) for p in (t, r, back, f)]
    cv.fill(R.polygon(pts), HAND_FILL)
    cv.fill(R.polygon(pts[:3]), HAND_SHADOW)
    cv.fill(R.polyline(pts + [pts[0]], 0.5), (0, 0, 0))
    cv.fill(R.segment(*pts[0], *pts[2], 0.5), (0, 0, 0))


def _second_hand(rows, length, k, angle):
    th = angle * 0.017453292
    tx, ty = int(length * math.sin(th)), int(length * math.cos(th))
    x0, y0 = _to_px(tx, ty)
    x1, y1 = _to_px(int(-tx / k), int(-ty / k))
    n = int(max(abs(x1 - x0), abs(y1 - y0))) + 1
    seen = set()
    for i in range(n + 1):
        x = int(round(x0 + (x1 - x0) * i / n))
        y = int(round(y0 + (y1 - y0) * i / n))
        if (x, y) in seen or not (0 <= x < WINDOW_W and 0 <= y < WINDOW_H):
            continue
        seen.add((x, y))
        r, g, b = rows[y][x]
        rows[y][x] = (255 - r, 255 - g, 255 - b)


def _inside_region(x, y):
    w, h = WINDOW_W, WINDOW_H
    if 6 <= y < h - 5 or 6 <= x < w - 6:
        return True
    for cx, cy in ((9, 9), (157, 9), (9, 414), (157, 414)):
        if math.hypot(x + 0.5 - cx, y + 0.5 - cy) <= 9:
            return True
    return False


def clock_window(illustration, weekday, month, day, hour, minute, second, topmost=False,
                 desktop=(58, 110, 165)):
    """Rows of the clock window as the program paints it."""
    cv = R.Canvas(WINDOW_W, WINDOW_H)
    cv.paste(illustration, 0, 0)
    cv.paste(glyphs.weekday(*glyphs.WEEKDAYS[weekday][2:]), 60, 19)
    m, d = str(month), str(day)
    spots = DATE_LAYOUT[(len(m) == 2, len(d) == 2)]
    tiles = [glyphs.digit(int(m[0])) if len(m) == 2 else None, glyphs.digit(int(m[-1])), glyphs.separator(),
             glyphs.digit(int(d[0])) if len(d) == 2 else None, glyphs.digit(int(d[-1]))]
    for tile, spot in zip(tiles, spots):
        if tile and spot:
            cv.paste(tile, *spot)
    _hand(cv, 320, 8, (hour % 12) * 30 + minute // 2)
    _hand(cv, 440, 12, minute * 6)
    for fn, x in ((icons.minimise_glyph, 108), (icons.pin_on if topmost else icons.pin_off, 124),
                  (icons.close_glyph, 140)):
        bg = ORANGE_PALE if (topmost and x == 124) else ORANGE
        cv.fill(R.rect(x, 3, x + 16, 16), bg)
        icon = R.Canvas(16, 16)
        fn(icon, 1)
        cv.paste(icon, x, 2)
    rows = cv.rgb_rows(WHITE)
    _second_hand(rows, 450, 8, second * 6)
    for y in range(WINDOW_H):
        for x in range(WINDOW_W):
            if not _inside_region(x, y):
                rows[y][x] = desktop
    return rows


# -- previews read back from the written files ----------------------------------------

def _read_ico(data):
    """Images of an ICO written by fileio.ico: [(size, rgba rows top-down)]."""
    import struct
    count = struct.unpack_from("<H", data, 4)[0]
    images = []
    for k in range(count):
        _, _, _, _, _, _, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * k)
        size = struct.unpack_from("<i", data, offset + 4)[0]
        pixels = offset + 40
        rows = []
        for y in range(size):
            base = pixels + (size - 1 - y) * size * 4
            rows.append([tuple(data[base + 4 * x + i] for i in (2, 1, 0, 3)) for x in range(size)])
        images.append((size, rows))
    return images


def _over(rows, background):
    out = []
    for row in rows:
        line = []
        for r, g, b, a in row:
            k = a / 255.0
            line.append(tuple(int(c * k + bg * (1 - k) + 0.5) for c, bg in zip((r, g, b), background)))
        out.append(line)
    return out


def _canvas_from_rows(rows):
    cv = R.Canvas(len(rows[0]), len(rows))
    for y, row in enumerate(rows):
        for x, c in enumerate(row):
            cv.blend(y * cv.w + x, c, 1.0)
    return cv


# System colours for the five mapped colours: classic and Windows 10.
SCHEMES = {
    "classic": {(0, 0, 0): (0, 0, 0), (128, 128, 128): (128, 128, 128), (192, 192, 192): (192, 192, 192),
                (255, 0, 0): (223, 223, 223), (255, 255, 255): (255, 255, 255)},
    "win10": {(0, 0, 0): (105, 105, 105), (128, 128, 128): (160, 160, 160), (192, 192, 192): (240, 240, 240),
              (255, 0, 0): (227, 227, 227), (255, 255, 255): (255, 255, 255)},
}


def _mapped(rows, scheme):
    return [[scheme.get(c, c) for c in row] for row in rows]


def message_window(bitmaps, scheme, w=281, h=190, scale=1):
    """The message window frame as it is painted, with a mapped colour scheme;
    at scale 2 with the large pictures and lines two pixels wide."""
    k = scale
    w, h = w * k, h * k
    face = scheme[(192, 192, 192)]
    rows = [[face] * w for _ in range(h)]

    def frame(x0, y0, cx, cy, tl, br):
        for x in range(x0, x0 + cx - 1):
            rows[y0][x] = tl
        for y in range(y0, y0 + cy - 1):
            rows[y][x0] = tl
        for y in range(y0, y0 + cy):
            rows[y][x0 + cx - 1] = br
        for x in range(x0, x0 + cx):
            rows[y0 + cy - 1][x] = br

    for i in range(2 * k):
        light, dark = ((255, 0, 0), (0, 0, 0)) if i < k else ((255, 255, 255), (128, 128, 128))
        frame(i, i, w - 2 * i, h - 2 * i, scheme[light], scheme[dark])
    suffix = "_%dx" % k if k != 1 else ""
    c = 10 * k
    for name, x, y in (("corner_top_left", 0, 0), ("corner_top_right", w - c, 0),
                       ("corner_bottom_left", 0, h - c), ("corner_bottom_right", w - c, h - c),
                       ("character", 8 * k, 55 * k), ("message_close", w - 16 * k, 4 * k)):
        piece = _mapped(bitmaps[name + suffix], scheme)
        if y + len(piece) > h or x + len(piece[0]) > w:
            continue
        for j, row in enumerate(piece):
            rows[y + j][x:x + len(row)] = row
    desk = (58, 110, 165)
    for y in range(h):
        for x in range(w):
            if not _message_region(x, y, w, h, k):
                rows[y][x] = desk
    return rows


def _message_region(x, y, w, h, scale):
    import pictures
    return pictures._in_region(x, y, w, h, scale)


def write_all(folder, root):
    import os

    import fileio
    import sheet
    os.makedirs(folder, exist_ok=True)
    res = os.path.join(root, "res")
    read = lambda *p: open(os.path.join(*p), "rb").read()
    bitmaps = {}
    for name in sorted(os.listdir(os.path.join(res, "bitmaps"))):
        bitmaps[name[:-4]] = fileio.read_bmp(read(res, "bitmaps", name))
    written = []

    sh = sheet.Sheet(1500)
    for macro, name, _ in icons.ICONS:
        images = dict(_read_ico(read(res, "icons", name + ".ico")))
        sh.add(_over(images[16], WHITE), name, 3)
        sh.add(_over(images[32], WHITE), "", 3)
        sh.add(_over(images[16], (40, 44, 52)), "", 3)
        if macro in ("IDI_CLOSE", "IDI_MINIMIZE", "IDI_TOPMOST_ON", "IDI_TOPMOST_OFF"):
            for bg in (ORANGE, ORANGE_PALE):
                btn = R.Canvas(16, 13, bg)
                btn.paste(_canvas_from_rows_rgba(images[16]), 0, -1)
                sh.add(btn.rgb_rows(), "", 3)
        sh.newline()
    path = os.path.join(folder, "contact_icons.png")
    sh.save(path)
    written.append(path)

    sh = sheet.Sheet(1500)
    for _, name, _, _ in glyphs.WEEKDAYS:
        sh.add(bitmaps[name], name, 3)
    sh.newline()
    for _, name, _ in glyphs.DIGITS:
        sh.add(bitmaps[name], name[-1], 3)
    sh.add(bitmaps["date_separator"], "/", 3)
    sh.newline()
    for name in ("corner_top_left", "corner_top_right", "corner_bottom_left", "corner_bottom_right",
                 "message_close"):
        sh.add(bitmaps[name], name.replace("corner_", ""), 6)
    sh.add(bitmaps["character"], "character", 3)
    sh.newline()
    for name in ("wizard_page1", "wizard_page2", "wizard_page3"):
        sh.add(bitmaps[name], name, 3)
    sh.newline()
    for name in ("option_picture", "about_link"):
        sh.add(bitmaps[name], name, 3)
    sh.newline()
    sh.add(bitmaps["about_title"], "about_title", 3)
    path = os.path.join(folder, "contact_bitmaps.png")
    sh.save(path)
    written.append(path)

    sh = sheet.Sheet(1300)
    for scheme in ("classic", "win10"):
        sh.add(message_window(bitmaps, SCHEMES[scheme]), "message window, " + scheme, 2)
    path = os.path.join(folder, "message_window.png")
    sh.save(path)
    written.append(path)

    # Each large picture beside its small one shown twice as large, a row per kind.
    sh = sheet.Sheet(1500)
    kind = None
    for name in sorted(n for n in bitmaps if n.endswith("_2x")):
        if kind is not None and name.split("_")[0] != kind:
            sh.newline()
        kind = name.split("_")[0]
        k = 1 if len(bitmaps[name][0]) > 150 else 3
        sh.add(bitmaps[name[:-3]], "", 2 * k)
        sh.add(bitmaps[name], name[:-3], k)
    path = os.path.join(folder, "contact_bitmaps_2x.png")
    sh.save(path)
    written.append(path)

    sh = sheet.Sheet(1300)
    for scheme in ("classic", "win10"):
        sh.add(message_window(bitmaps, SCHEMES[scheme], scale=2), "message window at 2x, " + scheme, 1)
    path = os.path.join(folder, "message_window_2x.png")
    sh.save(path)
    written.append(path)

    illustrations = [fileio.read_bmp(read(root, "dat", "bitmap%d.bmp" % i)) for i in range(5)]
    illustrations.append(bitmaps["fallback_illustration"])
    sh = sheet.Sheet(3100)
    for i, rows in enumerate(illustrations):
        sh.add(rows, "bitmap%d" % i if i < 5 else "fallback", 3)
    path = os.path.join(folder, "contact_scenes.png")
    sh.save(path)
    written.append(path)

    dates = [(12, 24), (1, 1), (10, 3), (3, 10), (7, 7), (11, 30)]
    times = [(10, 8, 30), (3, 0, 15), (12, 30, 45), (6, 40, 5), (9, 15, 50), (1, 50, 20)]
    for i, rows in enumerate(illustrations):
        sh = sheet.Sheet(1100)
        month, day = dates[i]
        h, m, s = times[i]
        sh.add(clock_window(_canvas_from_rows(rows), i % 7, month, day, h, m, s, topmost=(i == 1)),
               "%d/%d %d:%02d:%02d" % (month, day, h, m, s), 2)
        path = os.path.join(folder, "mock_%d.png" % i)
        sh.save(path)
        written.append(path)
    return written


def _canvas_from_rows_rgba(rows):
    cv = R.Canvas(len(rows[0]), len(rows))
    for y, row in enumerate(rows):
        for x, (r, g, b, a) in enumerate(row):
            cv.blend(y * cv.w + x, (r, g, b), a / 255.0)
    return cv
