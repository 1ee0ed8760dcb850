"""Pictures of the dialogs: message window pieces, wizard pages, the logo
banner and the about box pictures."""
import math

import fileio
import icons
import mascot
import raster as R
import scenery as S
import text
from palette import (MAPPED, MAPPED_DKSHADOW, MAPPED_SHADOW, MAPPED_FACE, MAPPED_LIGHT,
                     MAPPED_HIGHLIGHT, ORANGE, ORANGE_DARK, CREAM, BROWN, BROWN_DARK, SKY_DEEP, WHITE,
                     YELLOW, RED, PINK)

# Message window corners: the window is shaped by 17 x 17 corner ellipses
# and framed by two Draw3dRect rings; the corner pieces redraw both rings
# along the rounding, in colours that CreateMappedBitmap turns into the
# system's 3D colours.
CORNER = 10
CORNER_PALETTE = [MAPPED_FACE, MAPPED_DKSHADOW, MAPPED_SHADOW, MAPPED_LIGHT, MAPPED_HIGHLIGHT]
FACE, DK, SHADOW, LIGHT, HIGH = range(5)
VIRTUAL = 40   # size of the window used to lay out the corners


def _in_region(x, y, w, h, scale=1):
    """Pixel (x, y) of a w x h message window lies inside its region; at
    scale 2 the region's lengths are doubled."""
    k = scale
    if (0 <= x < w and 6 * k <= y < h - 7 * k) or (6 * k <= x < w - 7 * k and 0 <= y < h):
        return True
    e = 17 * k
    for l, t, r, b in ((0, 0, e, e), (w - e, 0, w + k, e), (0, h - e, e, h + k),
                       (w - e, h - e, w + k, h + k)):
        cx, cy = (l + r - 1) / 2.0, (t + b - 1) / 2.0
        rx, ry = (r - l - 1) / 2.0, (b - t - 1) / 2.0
        if ((x + 0.5 - cx - 0.5) / rx) ** 2 + ((y + 0.5 - cy - 0.5) / ry) ** 2 <= 1.0:
            return True
    return False


def _edge_depths(inside, w, h, deepest):
    """{(x, y): n} for the pixels inside that are n steps (counting diagonal
    steps) from the outside, n = 1 .. deepest."""
    depth = {}
    for y in range(h):
        for x in range(w):
            if inside(x, y) and any(not inside(x + dx, y + dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                depth[(x, y)] = 1
    for n in range(2, deepest + 1):
        for y in range(h):
            for x in range(w):
                if inside(x, y) and (x, y) not in depth and any(
                        depth.get((x + dx, y + dy)) == n - 1 for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                    depth[(x, y)] = n
    return depth


def _corner_piece(ox, oy, scale=1):
    """Palette indices of the CORNER x CORNER piece (times scale) whose
    top-left is (ox, oy) in a VIRTUAL x VIRTUAL window (times scale). Each of
    the two rings is scale pixels wide, as the frame's lines are."""
    w = h = VIRTUAL * scale
    inside = lambda x, y: 0 <= x < w and 0 <= y < h and _in_region(x, y, w, h, scale)
    # ring 1 is the outer line, ring 2 the inner one
    ring = {p: (n - 1) // scale + 1 for p, n in _edge_depths(inside, w, h, 2 * scale).items()}
    cx = 8.5 * scale if ox == 0 else w - 8.5 * scale
    cy = 8.5 * scale if oy == 0 else h - 8.5 * scale
    rows = []
    for y in range(oy, oy + CORNER * scale):
        row = []
        for x in range(ox, ox + CORNER * scale):
            nx, ny = x + 0.5 - cx, y + 0.5 - cy
            lit = nx + ny < 0
            k = ring.get((x, y), 0 if inside(x, y) else 1)
            if k == 1:
                row.append(LIGHT if lit else DK)
            elif k == 2:
                row.append(HIGH if lit else SHADOW)
            else:
                row.append(FACE)
        rows.append(row)
    return rows


def corners(scale=1):
    """(macro, file name, index rows) for the four corner pieces."""
    far = (VIRTUAL - CORNER) * scale
    return [("IDB_CORNER_TOP_LEFT", "corner_top_left", _corner_piece(0, 0, scale)),
            ("IDB_CORNER_TOP_RIGHT", "corner_top_right", _corner_piece(far, 0, scale)),
            ("IDB_CORNER_BOTTOM_LEFT", "corner_bottom_left", _corner_piece(0, far, scale)),
            ("IDB_CORNER_BOTTOM_RIGHT", "corner_bottom_right", _corner_piece(far, far, scale))]


def message_close(scale=1):
    """9 x 9 close glyph of the message window's toolbar; black and grey are
    mapped to the button text and face colours by the toolbar.

    Two diagonal bars cross in the 7 x 6 box at (1, 1), each two pixels wide
    in every row; the right bar mirrors the left one. Drawn with every length
    times scale, the bars step one pixel a row at any size."""
    k = scale
    size = 9 * k
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            # twice the column offset from the bar's centre line, x - y = k / 2
            down = 2 * (x - y) - k
            up = 2 * ((size - 1 - x) - y) - k
            on = k <= y < 7 * k and (-2 * k <= down < 2 * k or -2 * k <= up < 2 * k)
            row.append(1 if on else 0)
        rows.append(row)
    return rows, [MAPPED_FACE, MAPPED_DKSHADOW]


def _hard_edges(cv, background):
    """Rows with the canvas's soft outer edge made crisp over a background,
    so no blended fringe remains when the background colour is remapped."""
    rows = []
    for y in range(cv.h):
        row = []
        for x in range(cv.w):
            r, g, b, a = cv.get(x, y)
            row.append((r, g, b) if a >= 128 else background)
        rows.append(row)
    return rows


def _away_from_mapped(rows, keep):
    out = []
    for row in rows:
        line = []
        for c in row:
            if c != keep:
                while c in MAPPED:
                    c = tuple(v + 1 if v < 128 else v - 1 for v in c)
            line.append(c)
        out.append(line)
    return out


def character(scale=1):
    """100 x 116 mascot for the message window, on the mapped face colour."""
    k = scale
    cv = R.Canvas(100 * k, 116 * k)

    def letter(c, p):
        mascot.envelope(c, p, -27, 22, 24, 16)

    mascot.draw(cv, 48 * k, 64 * k, 0.9 * k, "wave", eyes="open", mouth="open", held=letter, px=k)
    pen = mascot.Pen(48 * k, 64 * k, 0.9 * k, k)
    mascot.note(cv, pen, 44, -44, 9, ORANGE_DARK)
    mascot.sparkle(cv, 14 * k, 16 * k, 5 * k, (255, 200, 80))
    mascot.sparkle(cv, 8 * k, 32 * k, 3 * k, (255, 200, 80))
    rows = _away_from_mapped(_hard_edges(cv, MAPPED_FACE), MAPPED_FACE)
    return fileio.quantise(rows, 256, fixed=[MAPPED_FACE], avoid=MAPPED)


# -- wizard pages -----------------------------------------------------------------

WIZ_W, WIZ_H = 136, 164


def _wizard_backdrop(top, bottom):
    cv = R.Canvas(WIZ_W, WIZ_H)
    cv.gradient((0, 0, WIZ_W, WIZ_H), [(0.0, top), (0.75, bottom), (1.0, bottom)])
    S.cloud(cv, 104, 40, 40, alpha=0.85)
    S.fill_below(cv, S.waves(138, (5, 0.05, 0.6), (2, 0.13, 1.1)), (170, 214, 140), x1=WIZ_W)
    S.fill_below(cv, S.waves(150, (3, 0.07, 2.0)), (140, 198, 110), x1=WIZ_W)
    return cv


def _balloon_text(cv, box, words):
    x0, y0, x1, y1 = box
    shape = R.rect(x0, y0, x1, y1, 9) | R.polygon([(x0 + 18, y1 - 2), (x0 + 30, y1 - 2), (x0 + 16, y1 + 10)])
    cv.fill(shape.grow(1.5), BROWN_DARK)
    cv.fill(shape, WHITE)
    text.draw_text(cv, words, text.PGOTHIC, 13, (x0 + x1) / 2.0, (y0 + y1) / 2.0, BROWN_DARK, stroke=0.5,
                   anchor="c")


def wizard_page1():
    cv = _wizard_backdrop((150, 206, 244), (226, 242, 252))
    _balloon_text(cv, (8, 8, 96, 36), "ようこそ!")
    mascot.draw(cv, 62, 104, 0.88, "wave", eyes="open", mouth="open")
    for x, y, r in ((116, 70, 5), (124, 88, 3), (14, 70, 4)):
        mascot.sparkle(cv, x, y, r, (255, 214, 90))
    return cv


def wizard_page2():
    cv = _wizard_backdrop((250, 206, 160), (254, 240, 222))

    def letter(c, p):
        mascot.envelope(c, p, 0, 20, 30, 21)

    mascot.draw(cv, 66, 104, 0.88, "hold", eyes="happy", mouth="open", held=letter)
    pen = mascot.Pen(66, 104, 0.88)
    mascot.note(cv, pen, -52, -58, 11, ORANGE_DARK)
    mascot.note(cv, pen, 44, -70, 9, SKY_DEEP)
    mascot.note(cv, pen, -44, -16, 7, (200, 90, 120))
    # pencil
    pencil = R.polygon([(112, 14), (118, 20), (102, 36), (96, 30)])
    cv.fill(pencil.grow(1.2), BROWN_DARK)
    cv.fill(pencil, YELLOW)
    cv.fill(R.polygon([(96, 30), (102, 36), (93, 39)]), (246, 214, 170))
    cv.fill(R.polygon([(94.5, 36.5), (96.5, 38.5), (93, 39)]), BROWN_DARK)
    cv.fill(R.polygon([(112, 14), (118, 20), (120, 18), (114, 12)]), PINK)
    return cv


def wizard_page3():
    cv = _wizard_backdrop((168, 214, 180), (236, 248, 230))
    # calendar
    x0, y0, x1, y1 = 70, 10, 126, 60
    sheet = R.rect(x0, y0, x1, y1, 4)
    cv.fill(sheet.grow(1.5), BROWN_DARK)
    cv.fill(sheet, WHITE)
    cv.fill(R.rect(x0, y0, x1, y0 + 12, 4) | R.rect(x0, y0 + 6, x1, y0 + 12), ORANGE)
    for i in range(4):
        cv.fill(R.circle(x0 + 10 + i * 12, y0 + 1, 2.2), BROWN_DARK)
    for row in range(4):
        for col in range(6):
            x, y = x0 + 7 + col * 8.4, y0 + 18 + row * 10
            colour = RED if col == 0 else (SKY_DEEP if col == 5 else BROWN)
            cv.fill(R.rect(x - 2, y - 2, x + 2, y + 2, 0.8), colour, 0.55)
    cv.fill(R.circle(x0 + 7 + 3 * 8.4, y0 + 38, 5.2).stroke(1.6), RED)
    # little alarm clock
    cx, cy = 24, 30
    for side in (-1, 1):
        cv.fill(R.circle(cx + 9 * side, cy - 11, 4.5).grow(1.2), BROWN_DARK)
        cv.fill(R.circle(cx + 9 * side, cy - 11, 4.5), YELLOW)
    cv.fill(R.circle(cx, cy, 13).grow(1.5), BROWN_DARK)
    cv.fill(R.circle(cx, cy, 13), ORANGE)
    cv.fill(R.circle(cx, cy, 10), CREAM)
    cv.fill(R.segment(cx, cy, cx, cy - 7, 1.0) | R.segment(cx, cy, cx + 5, cy + 2, 1.0), BROWN_DARK)
    for a in (200, 230, 310, 340):
        r0, r1 = 17, 21
        t = math.radians(a)
        cv.fill(R.segment(cx + r0 * math.cos(t), cy + r0 * math.sin(t), cx + r1 * math.cos(t),
                          cy + r1 * math.sin(t), 0.9), ORANGE_DARK)
    mascot.draw(cv, 60, 108, 0.86, "point", eyes="wink", mouth="open")
    return cv


# -- logo and about box -----------------------------------------------------------

def _clock_badge(cv, x, y, size, px=1):
    """The notification-area clock drawn at any size (a multiple of 8); px
    as for icons.tray_normal."""
    c = R.Canvas(size, size)
    icons.tray_normal(c, size / 16.0, px)
    cv.paste(c, x, y)


def _logo_text(cv, words, size, x, y, fill, outline, anchor="tl", stroke=1.2, outline_r=2):
    return text.draw_text(cv, words, text.PGOTHIC, size, x, y, fill, stroke=stroke, anchor=anchor,
                          outline=outline, outline_r=outline_r)


def logo():
    """152 x 44 banner, reduced to 16 colours."""
    cv = R.Canvas(152, 44, ORANGE)
    cv.fill(R.rect(0, 30, 152, 44), ORANGE_DARK, 0.35)
    cv.fill(R.rect(0.5, 0.5, 151.5, 43.5, 3).stroke(1.0), ORANGE_DARK)
    _clock_badge(cv, 6, 6, 32)
    _logo_text(cv, "ぽこみ", 27, 96, 22, WHITE, BROWN_DARK, anchor="c")
    return fileio.quantise(cv.rgb_rows(), 16)


def about_title(scale=1):
    """340 x 60 title picture of the about box."""
    k = scale
    w, h = 340 * k, 60 * k
    cv = R.Canvas(w, h)
    cv.gradient((0, 0, w, h), [(0.0, (150, 206, 244)), (1.0, (230, 244, 252))])
    S.cloud(cv, 290 * k, 30 * k, 56 * k, alpha=0.9)
    S.cloud(cv, 214 * k, 20 * k, 30 * k, alpha=0.8)
    cv.fill(R.rect(0, 50 * k, w, h), ORANGE)
    cv.fill(R.rect(0, 49 * k, w, 50 * k), ORANGE_DARK)
    mascot.draw(cv, 36 * k, 35 * k, 0.38 * k, "wave", eyes="happy", mouth="open", px=k)
    _logo_text(cv, "ぽこみ", 30 * k, 70 * k, 8 * k, WHITE, BROWN_DARK, stroke=1.3 * k, outline_r=2 * k)
    text.draw_text(cv, "デスクトップ時計", text.PGOTHIC, 12 * k, 182 * k, 24 * k, BROWN_DARK, stroke=0.3 * k)
    for x, y, r in ((168, 12, 4), (322, 10, 3), (250, 40, 3)):
        mascot.sparkle(cv, x * k, y * k, r * k, (255, 214, 90))
    return cv


def about_link(scale=1):
    """88 x 31 picture link to the product's page."""
    k = scale
    cv = R.Canvas(88 * k, 31 * k, ORANGE)
    cv.fill(R.rect(0.5 * k, 0.5 * k, 87.5 * k, 30.5 * k, 2 * k).stroke(1.0 * k), ORANGE_DARK)
    _clock_badge(cv, 4 * k, 4 * k, 24 * k, k)
    _logo_text(cv, "ぽこみ", 13 * k, 57 * k, 11 * k, WHITE, BROWN_DARK, anchor="c", stroke=0.6 * k,
               outline_r=1 * k)
    text.draw_text(cv, "公式ページ", text.PGOTHIC, 9 * k, 57 * k, 24 * k, CREAM, anchor="c", stroke=0.2 * k)
    return cv
