"""Icon designs. Each is drawn on a 16-unit grid scaled by s (1 for 16 x 16,
2 for 32 x 32); shape edges sit on whole units so the 16-pixel image stays crisp."""
import raster as R
from palette import (ORANGE, ORANGE_DARK, ORANGE_LIGHT, CREAM, BROWN, BROWN_DARK, BROWN_INK, SKY,
                     SKY_DEEP, SKY_LIGHT, LEAF, FUR, MASK, YELLOW, WHITE, BLUSH, RED)

INK = BROWN_INK          # strokes of the caption-button glyphs
PLAY_GREEN = (92, 172, 84)


class G:
    """Shapes on the 16-unit grid, scaled by s."""

    def __init__(self, s):
        self.s = s

    def c(self, x, y, r):
        return R.circle(x * self.s, y * self.s, r * self.s)

    def e(self, x, y, rx, ry, angle=0.0):
        return R.ellipse(x * self.s, y * self.s, rx * self.s, ry * self.s, angle)

    def r(self, x0, y0, x1, y1, rad=0.0):
        return R.rect(x0 * self.s, y0 * self.s, x1 * self.s, y1 * self.s, rad * self.s)

    def seg(self, x0, y0, x1, y1, w):
        return R.segment(x0 * self.s, y0 * self.s, x1 * self.s, y1 * self.s, w * self.s / 2.0)

    def poly(self, pts):
        return R.polygon([(x * self.s, y * self.s) for x, y in pts])

    def arc(self, x, y, rad, a0, a1, w):
        return R.arc(x * self.s, y * self.s, rad * self.s, a0, a1, w * self.s)


# -- the clock mascot used in the notification area -------------------------------

def _clock_face(cv, g, s, cx=8.0, cy=9.0, rad=6.0, px=1):
    lw = 1.0 * s if s == 1 else 1.5 * px
    for side in (-1, 1):
        cv.draw(g.c(cx + 4.4 * side, cy - 5.2, 2.4), FUR, BROWN_DARK, lw)
        if s > 1:
            cv.fill(g.c(cx + 4.4 * side, cy - 5.0, 1.2), MASK)
    cv.draw(g.e(cx + 0.8, cy - 7.0, 1.3, 2.2, 35), LEAF, BROWN_DARK, lw * 0.8)
    cv.draw(g.c(cx, cy, rad), ORANGE, BROWN_DARK, lw)
    cv.fill(g.c(cx, cy, rad - 1.3), CREAM)
    if s > 1:
        import math
        for k in range(12):
            a = math.radians(k * 30)
            rr = rad - 2.4
            size = 0.55 if k % 3 == 0 else 0.32
            cv.fill(g.c(cx + rr * math.sin(a), cy - rr * math.cos(a), size), BROWN, 0.9)
        for side in (-1, 1):
            cv.fill(g.e(cx + 2.9 * side, cy + 2.0, 0.9, 0.55), BLUSH, 0.7)
    hw = 1.0 if s == 1 else 0.75
    cv.fill(g.seg(cx, cy, cx - 2.6, cy - 1.6, hw), BROWN_INK)
    cv.fill(g.seg(cx, cy, cx + 2.9, cy - 2.5, hw * 0.85), BROWN_INK)
    cv.fill(g.c(cx, cy, 0.8 if s == 1 else 0.6), ORANGE_DARK)


def tray_normal(cv, s, px=1):
    """px: image pixels per picture pixel, for the badge of a picture drawn larger."""
    g = G(s)
    _clock_face(cv, g, s, px=px)


def tray_minimised(cv, s):
    g = G(s)
    _clock_face(cv, g, s, cy=9.5)
    lw = 1.0 if s == 1 else 1.5
    blanket = g.poly([(1.0, 10.5), (4.5, 9.6), (8.0, 10.4), (11.5, 9.6), (15.0, 10.5), (15.0, 15.5),
                      (1.0, 15.5)])
    cv.draw(blanket, SKY, BROWN_DARK, lw)
    cv.fill(g.r(1.0, 12.4, 15.0, 13.4) & blanket, SKY_LIGHT)
    # "z z" of a nap
    for (x, y, k) in ((11.2, 0.8, 1.0), (13.6, 3.6, 0.75)):
        z = g.poly([(x, y), (x + 2.6 * k, y), (x + 2.6 * k, y + 0.9 * k), (x + 1.2 * k, y + 2.2 * k),
                    (x + 2.7 * k, y + 2.2 * k), (x + 2.7 * k, y + 3.1 * k), (x, y + 3.1 * k),
                    (x, y + 2.2 * k), (x + 1.4 * k, y + 0.9 * k), (x, y + 0.9 * k)])
        cv.fill(z, SKY_DEEP)


def tray_dialog(cv, s):
    g = G(s)
    _clock_face(cv, g, s, cx=7.0, cy=8.5)
    lw = 1.0 if s == 1 else 1.5
    # pencil badge, lower right
    body = g.poly([(15.6, 9.4), (16.0, 11.0), (10.6, 16.4), (8.8, 16.2), (8.9, 14.5), (14.3, 9.1)])
    cv.fill(body.grow(1.0 * s), WHITE)
    cv.draw(body, YELLOW, BROWN_DARK, lw * 0.9)
    tip = g.poly([(10.6, 16.4), (8.8, 16.2), (8.9, 14.5)])
    cv.fill(tip, BROWN_INK)
    cv.fill(g.poly([(15.6, 9.4), (16.0, 11.0), (15.1, 11.9), (13.6, 10.4), (14.3, 9.1)]), ORANGE_DARK)


# -- caption buttons (shown on the orange 16 x 13 button, one row higher) ----------

def close_glyph(cv, s):
    g = G(s)
    w = 1.9
    cv.fill(g.seg(4.6, 4.1, 11.4, 10.9, w), INK)
    cv.fill(g.seg(11.4, 4.1, 4.6, 10.9, w), INK)


def minimise_glyph(cv, s):
    g = G(s)
    cv.fill(g.r(4.0, 9.0, 12.0, 11.0, 0.6), INK)


def pin_off(cv, s):
    """A push pin lying on its side, point to the left."""
    g = G(s)
    cv.fill(g.seg(2.0, 7.5, 6.5, 7.5, 1.0), INK)
    cv.fill(g.r(6.0, 3.0, 7.5, 12.0, 0.3), INK)
    body = g.r(8.5, 5.0, 12.0, 10.0, 0.6)
    cv.draw(body, CREAM, INK, 1.0 * s)
    cv.fill(g.r(9.0, 6.0, 11.0, 7.0), WHITE)


def pin_on(cv, s):
    """The same pin pushed in, seen upright, point down."""
    g = G(s)
    body = g.r(5.5, 3.0, 10.5, 6.5, 0.6)
    cv.draw(body, CREAM, INK, 1.0 * s)
    cv.fill(g.r(6.5, 3.0, 7.5, 6.0), WHITE)
    cv.fill(g.r(3.5, 7.5, 12.5, 9.0, 0.3), INK)
    cv.fill(g.seg(8.0, 9.0, 8.0, 12.0, 1.0), INK)


# -- placement, sound and alarm images --------------------------------------------

def evasion(cv, s):
    g = G(s)
    lw = 1.0 if s == 1 else 1.5
    for y, x0 in ((5.0, 0.8), (8.0, 0.2), (11.0, 1.4)):
        cv.fill(g.seg(x0, y, x0 + 4.0, y, 1.2), ORANGE)
    arrow = g.poly([(7.0, 1.5), (7.0, 13.0), (9.6, 10.6), (11.4, 14.6), (13.2, 13.8), (11.4, 9.9),
                    (14.6, 9.9)])
    cv.draw(arrow, WHITE, BROWN_INK, lw)


def home(cv, s):
    g = G(s)
    lw = 1.0 if s == 1 else 1.5
    cv.draw(g.r(10.5, 2.0, 12.5, 6.0), BROWN, BROWN_DARK, lw)
    cv.draw(g.r(3.0, 7.5, 13.0, 14.5), CREAM, BROWN_DARK, lw)
    roof = g.poly([(8.0, 1.5), (15.2, 8.2), (0.8, 8.2)])
    cv.draw(roof, ORANGE, BROWN_DARK, lw)
    cv.draw(g.r(7.0, 10.0, 9.5, 14.5, 0.4), BROWN, BROWN_DARK, lw * 0.8)
    cv.draw(g.r(10.2, 9.5, 12.0, 11.5), SKY_LIGHT, BROWN_DARK, lw * 0.7)
    cv.fill(g.r(0.5, 14.5, 15.5, 15.5), LEAF)


def play(cv, s):
    g = G(s)
    lw = 1.0 if s == 1 else 1.5
    tri = g.poly([(4.5, 2.5), (13.0, 8.0), (4.5, 13.5)])
    cv.draw(tri, PLAY_GREEN, (40, 96, 40), lw)


def stop(cv, s):
    g = G(s)
    lw = 1.0 if s == 1 else 1.5
    cv.draw(g.r(4.0, 4.0, 12.0, 12.0, 0.6 if s == 1 else 1.0), RED, (120, 30, 24), lw)


def window(cv, s):
    g = G(s)
    lw = 1.0 if s == 1 else 1.5
    cv.draw(g.r(2.0, 3.0, 14.0, 13.0, 0.5), CREAM, BROWN_DARK, lw)
    cv.fill(g.r(2.0, 3.0, 14.0, 6.0), ORANGE)
    cv.fill(g.r(11.0, 4.0, 13.0, 5.0), CREAM)
    cv.fill(g.r(4.0, 8.0, 11.0, 9.0), SKY, 0.9)
    cv.fill(g.r(4.0, 10.0, 9.0, 11.0), SKY, 0.9)


def _speaker(cv, g, s, x=0.0, y=0.0, k=1.0, waves=2):
    lw = 1.0 if s == 1 else 1.5

    def p(px, py):
        return (x + px * k, y + py * k)

    cone = g.poly([p(1.5, 5.5), p(4.5, 5.5), p(8.5, 2.0), p(8.5, 14.0), p(4.5, 10.5), p(1.5, 10.5)])
    cv.draw(cone, BROWN, BROWN_DARK, lw)
    cv.fill(g.poly([p(4.8, 6.2), p(7.6, 3.9), p(7.6, 12.1), p(4.8, 9.8)]), ORANGE_LIGHT, 0.9)
    cx, cy = p(8.5, 8.0)
    for i in range(waves):
        cv.fill(g.arc(cx, cy, (3.0 + 2.6 * i) * k, -50, 50, 1.3 * max(k, 0.8)), SKY_DEEP)


def speaker(cv, s):
    _speaker(cv, G(s), s, waves=2)


def _balloon(cv, g, s, box, dots=True):
    x0, y0, x1, y1 = box
    lw = 1.0 if s == 1 else 1.5
    h = y1 - y0
    shape = g.r(x0, y0, x1, y1, min(3.0, h / 2.5)) | g.poly(
        [(x0 + 2.0, y1 - 1.0), (x0 + 5.0, y1 - 1.0), (x0 + 1.0, y1 + 3.0)])
    cv.draw(shape, CREAM, BROWN_DARK, lw)
    if dots:
        cy = (y0 + y1) / 2.0
        w = x1 - x0
        for i in range(3):
            cv.fill(g.c(x0 + w * (0.3 + 0.2 * i), cy, 0.9), ORANGE_DARK)


def balloon(cv, s):
    _balloon(cv, G(s), s, (1.0, 2.0, 15.0, 11.0))


def balloon_sound(cv, s):
    g = G(s)
    _balloon(cv, g, s, (0.5, 0.5, 12.5, 8.5))
    _speaker(cv, g, s, x=6.8, y=6.8, k=0.56, waves=2)


ICONS = [
    # (resource macro, file name, drawing function)
    ("IDI_TRAY_NORMAL", "tray_normal", tray_normal),
    ("IDI_TRAY_DIALOG", "tray_dialog", tray_dialog),
    ("IDI_TRAY_MINIMIZED", "tray_minimized", tray_minimised),
    ("IDI_CLOSE", "close", close_glyph),
    ("IDI_TOPMOST_ON", "topmost_on", pin_on),
    ("IDI_MINIMIZE", "minimize", minimise_glyph),
    ("IDI_TOPMOST_OFF", "topmost_off", pin_off),
    ("IDI_HOME_POSITION", "home_position", home),
    ("IDI_EVASION", "evasion", evasion),
    ("IDI_PLAY", "play", play),
    ("IDI_BALLOON", "balloon", balloon),
    ("IDI_BALLOON_SOUND", "balloon_sound", balloon_sound),
    ("IDI_WINDOW", "window", window),
    ("IDI_SPEAKER", "speaker", speaker),
    ("IDI_STOP", "stop", stop),
]


def render(fn, size):
    cv = R.Canvas(size, size)
    fn(cv, size // 16)
    return cv
