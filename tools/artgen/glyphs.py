"""Weekday and date glyphs of the clock face.

They are copied opaquely onto the illustration, so each tile has a solid
background: the weekday tiles are the orange of the caption strip (the
illustrations hang an orange tab below the strip for them), the digit tiles
are cream (the illustrations carry a cream plate under the date).
"""
import math

import raster as R
import text
from palette import ORANGE, ORANGE_DARK, CREAM, BROWN_DARK, WHITE

WEEKDAY_SIZE = (45, 24)
DIGIT_SIZE = (11, 18)
SEPARATOR_SIZE = (6, 16)

DIGIT_INK = BROWN_DARK
RAY = (255, 228, 128)
DISC_TOP = (255, 244, 176)
DISC_BOTTOM = (255, 206, 90)
DISC_RIM = (226, 120, 44)

# (resource macro, file name, kanji, ink colour)
WEEKDAYS = [
    ("IDB_WEEKDAY_SUN", "weekday_sun", "日", (204, 40, 36)),
    ("IDB_WEEKDAY_MON", "weekday_mon", "月", BROWN_DARK),
    ("IDB_WEEKDAY_TUE", "weekday_tue", "火", BROWN_DARK),
    ("IDB_WEEKDAY_WED", "weekday_wed", "水", BROWN_DARK),
    ("IDB_WEEKDAY_THU", "weekday_thu", "木", BROWN_DARK),
    ("IDB_WEEKDAY_FRI", "weekday_fri", "金", BROWN_DARK),
    ("IDB_WEEKDAY_SAT", "weekday_sat", "土", (36, 84, 190)),
]

DIGITS = [("IDB_DIGIT_%d" % d, "digit_%d" % d, d) for d in range(10)]


def weekday(kanji, ink):
    w, h = WEEKDAY_SIZE
    cv = R.Canvas(w, h, ORANGE)
    cx, cy, rad = w / 2.0, h / 2.0, 10.2
    for k in range(12):
        a = math.radians(k * 30 + 15)
        reach = 19.5 if abs(math.cos(a)) > 0.8 else 15.0
        tip = (cx + reach * math.cos(a), cy + reach * math.sin(a))
        side = math.radians(5.5)
        base1 = (cx + 11.5 * math.cos(a - side), cy + 11.5 * math.sin(a - side))
        base2 = (cx + 11.5 * math.cos(a + side), cy + 11.5 * math.sin(a + side))
        cv.fill(R.polygon([tip, base1, base2]), RAY)
    disc = R.circle(cx, cy, rad)
    cv.fill(disc.grow(1.0), DISC_RIM)
    cv.fill(disc, lambda x, y: R.mix(DISC_TOP, DISC_BOTTOM, R.clamp((y - cy + rad) / (2 * rad))))
    cv.fill(R.ellipse(cx - 3.5, cy - 5.0, 4.0, 2.2, -20), WHITE, 0.45)
    m = text.glyph(kanji, text.GOTHIC, 15, stroke=0.45)
    ox = int(round(cx - m.w / 2.0))
    oy = int(round(cy - m.h / 2.0 + 0.5))
    halo = m.dilate(1)
    cv.mask(halo.data, halo.w, halo.h, ox - 1, oy - 1, (255, 250, 214), 0.8)
    cv.mask(m.data, m.w, m.h, ox, oy, ink)
    return cv


def digit(d):
    w, h = DIGIT_SIZE
    cv = R.Canvas(w, h, CREAM)
    m = text.render(str(d), text.SANS_BOLD, 80)
    m = m.crop(m.ink_box())
    ink_h = 14
    ink_w = max(3, min(9, int(round(m.w * ink_h / m.h))))
    g = m.resample(ink_w, ink_h)
    ox = (w - ink_w + 1) // 2
    oy = 2
    halo = g.dilate(1)
    cv.mask(halo.data, halo.w, halo.h, ox - 1, oy - 1, WHITE)
    cv.mask(g.data, g.w, g.h, ox, oy, lambda x, y: R.mix((128, 76, 38), DIGIT_INK, R.clamp((y - 2) / 10.0)))
    return cv


def separator():
    w, h = SEPARATOR_SIZE
    cv = R.Canvas(w, h, CREAM)
    cv.fill(R.segment(4.5, 2.5, 1.5, 13.5, 2.1), WHITE)
    cv.fill(R.segment(4.5, 2.5, 1.5, 13.5, 1.2), ORANGE_DARK)
    return cv
