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


def weekday(kanji, ink, scale=1):
    """The weekday tile; scale 2 draws it twice as large (every length doubled)."""
    w, h = WEEKDAY_SIZE[0] * scale, WEEKDAY_SIZE[1] * scale
    cv = R.Canvas(w, h, ORANGE)
    cx, cy, rad = w / 2.0, h / 2.0, 10.2 * scale
    for k in range(12):
        a = math.radians(k * 30 + 15)
        reach = (19.5 if abs(math.cos(a)) > 0.8 else 15.0) * scale
        tip = (cx + reach * math.cos(a), cy + reach * math.sin(a))
        side = math.radians(5.5)
        foot = 11.5 * scale
        base1 = (cx + foot * math.cos(a - side), cy + foot * math.sin(a - side))
        base2 = (cx + foot * math.cos(a + side), cy + foot * math.sin(a + side))
        cv.fill(R.polygon([tip, base1, base2]), RAY)
    disc = R.circle(cx, cy, rad)
    cv.fill(disc.grow(1.0 * scale), DISC_RIM)
    cv.fill(disc, lambda x, y: R.mix(DISC_TOP, DISC_BOTTOM, R.clamp((y - cy + rad) / (2 * rad))))
    cv.fill(R.ellipse(cx - 3.5 * scale, cy - 5.0 * scale, 4.0 * scale, 2.2 * scale, -20), WHITE, 0.45)
    m = text.glyph(kanji, text.GOTHIC, 15 * scale, stroke=0.45 * scale)
    ox = int(round(cx - m.w / 2.0))
    oy = int(round(cy - m.h / 2.0 + 0.5 * scale))
    halo = m.dilate(scale)
    cv.mask(halo.data, halo.w, halo.h, ox - scale, oy - scale, (255, 250, 214), 0.8)
    cv.mask(m.data, m.w, m.h, ox, oy, ink)
    return cv


def _digit_ink(d, size):
    m = text.render(str(d), text.SANS_BOLD, size)
    return m.crop(m.ink_box())


def digit(d, scale=1):
    """A date digit tile. The ink's box is laid out on the 11 x 18 grid and
    scale multiplies it, so the larger tile keeps the same proportions."""
    w, h = DIGIT_SIZE
    m = _digit_ink(d, 80)
    ink_h = 14
    ink_w = max(3, min(9, int(round(m.w * ink_h / m.h))))
    ox = (w - ink_w + 1) // 2
    oy = 2
    if scale != 1:
        m = _digit_ink(d, 80 * scale)
    cv = R.Canvas(w * scale, h * scale, CREAM)
    g = m.resample(ink_w * scale, ink_h * scale)
    ox, oy = ox * scale, oy * scale
    halo = g.dilate(scale)
    cv.mask(halo.data, halo.w, halo.h, ox - scale, oy - scale, WHITE)
    top, fade = 2 * scale, 10.0 * scale
    cv.mask(g.data, g.w, g.h, ox, oy, lambda x, y: R.mix((128, 76, 38), DIGIT_INK, R.clamp((y - top) / fade)))
    return cv


def separator(scale=1):
    w, h = SEPARATOR_SIZE
    cv = R.Canvas(w * scale, h * scale, CREAM)
    ends = (4.5 * scale, 2.5 * scale, 1.5 * scale, 13.5 * scale)
    cv.fill(R.segment(*ends, 2.1 * scale), WHITE)
    cv.fill(R.segment(*ends, 1.2 * scale), ORANGE_DARK)
    return cv
