"""Building blocks of the illustrations: ground lines, clouds, trees, petals,
leaves, snow, stars, and the parts every illustration shares (caption strip
with the weekday tab, the dial and the date plate)."""
import math

import raster as R
from palette import (ORANGE, ORANGE_DARK, CREAM, BROWN, WHITE, WINDOW_W, WINDOW_H,
                     CLOCK_X, CLOCK_Y, DIAL_R)

BAND_H = 20
TAB = (56, 109, 47)        # x0, x1, bottom of the weekday tab
PLATE = (40, 380, 125, 414)


def fill_below(cv, curve, colour, y_end=WINDOW_H, alpha=1.0, x0=0, x1=WINDOW_W):
    """Fill every column from curve(x) down to y_end; colour may be a function (x, y)."""
    fn = colour if callable(colour) else None
    for x in range(max(0, x0), min(cv.w, x1)):
        top = curve(x + 0.5)
        for y in range(max(0, int(math.floor(top - 1))), min(cv.h, y_end)):
            cov = R.clamp(y + 1.0 - top)
            if y_end - y < 1:
                cov *= y_end - y
            if cov > 0:
                cv.blend(y * cv.w + x, fn(x + 0.5, y + 0.5) if fn else colour, cov * alpha)


def waves(base, *terms):
    """A curve y(x) = base + sum(amp * sin(x * freq + phase))."""
    return lambda x: base + sum(a * math.sin(x * f + p) for a, f, p in terms)


def cloud(cv, x, y, w, colour=WHITE, shade=(226, 236, 248), alpha=1.0):
    """A puffy cloud about w pixels wide with its flat base at y."""
    k = w / 60.0
    puffs = [(-18, -6, 11), (-4, -13, 14), (12, -9, 11), (22, -3, 8), (-26, -2, 7)]
    shape = R.rect(x - 30 * k, y - 8 * k, x + 30 * k, y, 4 * k)
    for dx, dy, r in puffs:
        shape = shape | R.circle(x + dx * k, y + dy * k, r * k)
    cv.fill(shape, lambda px, py: R.mix(colour, shade, R.clamp((py - (y - 14 * k)) / (16 * k))), alpha)


def blossom(cv, x, y, r, colour, centre=(255, 236, 150), alpha=1.0, rot=0.0):
    """A five-petal cherry blossom of radius r."""
    shape = None
    for i in range(5):
        a = math.radians(rot + i * 72 - 90)
        petal = R.ellipse(x + math.cos(a) * r * 0.55, y + math.sin(a) * r * 0.55, r * 0.5, r * 0.42,
                          math.degrees(a))
        shape = petal if shape is None else shape | petal
    cv.fill(shape, colour, alpha)
    cv.fill(R.circle(x, y, r * 0.22), centre, alpha)


def petal(cv, x, y, size, angle, colour, alpha=1.0):
    cv.fill(R.ellipse(x, y, size, size * 0.55, angle), colour, alpha)


def maple_leaf(cv, x, y, r, angle, colour, alpha=1.0):
    """A five-lobed maple leaf."""
    pts = []
    lobes = [(0, 1.0), (36, 0.45), (72, 0.95), (108, 0.42), (144, 0.8), (180, 0.25),
             (216, 0.8), (252, 0.42), (288, 0.95), (324, 0.45)]
    for deg, k in lobes:
        a = math.radians(deg + angle - 90)
        pts.append((x + math.cos(a) * r * k, y + math.sin(a) * r * k))
    cv.fill(R.polygon(pts), colour, alpha)
    a = math.radians(angle + 90)
    cv.fill(R.segment(x, y, x + math.cos(a) * r * 0.9, y + math.sin(a) * r * 0.9, max(0.5, r * 0.08)),
            tuple(c * 0.7 for c in colour), alpha)


def snowflake(cv, x, y, r, colour=WHITE, alpha=1.0):
    for i in range(3):
        a = math.radians(i * 60 + 90)
        dx, dy = math.cos(a) * r, math.sin(a) * r
        cv.fill(R.segment(x - dx, y - dy, x + dx, y + dy, max(0.45, r * 0.12)), colour, alpha)
    cv.fill(R.circle(x, y, r * 0.25), colour, alpha)


def twinkle(cv, x, y, r, colour, alpha=1.0):
    cv.fill(R.star(x, y, r, r * 0.3, 4, -90), colour, alpha)
    cv.fill(R.circle(x, y, r * 0.35), WHITE, alpha)


def pine(cv, x, base, h, colour=(52, 112, 84), snow=None):
    """A stacked-triangle fir tree standing on (x, base)."""
    cv.fill(R.rect(x - h * 0.06, base - h * 0.2, x + h * 0.06, base), (110, 76, 50))
    for i in range(3):
        top = base - h + i * h * 0.24
        w = h * (0.22 + 0.1 * i)
        bottom = top + h * 0.42
        tri = R.polygon([(x, top), (x + w, bottom), (x - w, bottom)])
        cv.fill(tri, colour)
        if snow:
            cap = R.polygon([(x, top), (x + w * 0.55, top + h * 0.22), (x + w * 0.2, top + h * 0.18),
                             (x, top + h * 0.24), (x - w * 0.25, top + h * 0.17),
                             (x - w * 0.55, top + h * 0.22)])
            cv.fill(cap, snow)


def round_tree(cv, x, base, h, crown, trunk=(128, 86, 52), shade=None):
    cv.fill(R.rect(x - h * 0.07, base - h * 0.55, x + h * 0.07, base), trunk)
    r = h * 0.32
    shape = (R.circle(x, base - h * 0.7, r) | R.circle(x - r * 0.7, base - h * 0.55, r * 0.75)
             | R.circle(x + r * 0.7, base - h * 0.55, r * 0.75))
    cv.fill(shape, crown)
    if shade:
        cv.fill(R.circle(x - r * 0.3, base - h * 0.78, r * 0.45), shade, 0.7)


# -- the parts every illustration shares ------------------------------------------

def dial(cv, wash, alpha, ring=WHITE, tick=BROWN, tick_alpha=0.55, ring_alpha=0.9):
    """The calm disc behind the hands: a wash of colour, a ring and hour dots."""
    cx, cy = CLOCK_X + 0.5, CLOCK_Y + 0.5
    disc = R.circle(cx, cy, DIAL_R)
    cv.fill(disc.grow(3.0), (60, 40, 30), 0.06, soft=4.0)
    cv.fill(disc, wash, alpha)
    cv.fill(R.circle(cx, cy, DIAL_R - 1.2).stroke(2.2), ring, ring_alpha)
    for k in range(12):
        a = math.radians(k * 30)
        rr = DIAL_R - 5.0
        x, y = cx + rr * math.sin(a), cy - rr * math.cos(a)
        cv.fill(R.circle(x, y, 1.9 if k % 3 == 0 else 1.2), tick, tick_alpha)


def frame(cv):
    """Caption strip with the weekday tab, and the date plate."""
    x0, x1, bottom = TAB
    strip = R.rect(-10, -10, WINDOW_W + 10, BAND_H) | R.rect(x0, -10, x1, bottom, 7.0)
    shadow = R.transform(strip, lambda x, y: (x, y - 2.0), (-10, -10, WINDOW_W + 10, bottom + 2))
    cv.fill(shadow, (60, 30, 10), 0.18, soft=3.0)
    cv.fill(strip.grow(1.0), ORANGE_DARK)
    cv.fill(strip, ORANGE)
    cv.fill(R.rect(0, 0, WINDOW_W, 1), (250, 184, 130), 0.6)
    px0, py0, px1, py1 = PLATE
    plate = R.rect(px0, py0, px1, py1, 9.0)
    cv.fill(R.transform(plate, lambda x, y: (x, y - 1.5), (px0, py0, px1, py1 + 2)), (60, 30, 10),
            0.2, soft=2.5)
    cv.fill(plate.grow(1.3), BROWN, 0.85)
    cv.fill(plate, CREAM)
    for x in (px0 + 4.5, px1 - 4.5):
        cv.fill(R.circle(x, (py0 + py1) / 2.0, 1.8), ORANGE)
